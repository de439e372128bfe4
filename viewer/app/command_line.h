// The text viewer's command line: switches A-Z, V with a setup name, and one
// requested file name or pattern.
#pragma once
#include "viewer/settings/named_setups.h"

constexpr int kPathChars = 260;

struct CommandLine {
  char Switches[26] = {};  // the letter as typed, or 0
  char RequestedName[kPathChars + 1] = "*.*";
  char CurrentSetup[kSetupSectionChars + 1] = "";  // "Setup: name" or empty
  bool NameCut = false;                            // the name was longer than its buffer
  bool SetupCut = false;                           // the setup section name was cut
};

void ParseCommandLine(const char* text, CommandLine* out);

inline char SwitchOf(const CommandLine& c, char upper) { return c.Switches[upper - 'A']; }
