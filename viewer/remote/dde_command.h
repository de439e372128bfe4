// The execute strings of the viewer's DDE server: "[Open a.txt][Find abc
// Top]" read one bracketed command at a time, and each command's meaning.
#pragma once
#include <string>
#include <string_view>

#include "viewer/navigation/search_state.h"
#include "viewer/settings/named_setups.h"

constexpr size_t kDdeCommandBytes = 256;  // longer execute data is refused
constexpr int kDdeMaxTokens = 6;          // the command word and five arguments

struct DdeCommand {
  std::string Tokens[kDdeMaxTokens];  // missing arguments are empty
  int Count = 0;
  bool Closed = false;  // ended by its "]" rather than by the end of the text
};

enum class DdeParse {
  kCommand,         // one command read
  kDone,            // nothing but blanks left
  kPastEnd = -3,    // the position lies beyond the text
  kNoBracket = -4,  // something other than "[" where a command should start
  kTooMany = -5,    // a seventh token
};

// Reads the command at *pos of text and moves *pos just past the character
// that ended it. Blanks are what the C library counts as white space; a
// token in double quotes may hold blanks and "]", a doubled quote standing
// for one.
DdeParse ParseDdeCommand(std::string_view text, size_t* pos, DdeCommand* command);

// What a command asks of the main window.
enum class DdeAction {
  kUnknown,  // unknown command word: processing stops, not processed
  kSkip,     // a known word with an argument it does not know: ignored
  kOpen,     // Tokens[1] is the file name
  kClose,
  kPrintFile,
  kPrintPage,
  kPrintTags,
  kExit,
  kMenuCommand,  // Display and Window OnTop: the menu command in Command
  kMinimize,
  kMaximize,
  kRestore,
  kFind,     // Tokens[1] the text, Tokens[2..5] the options
  kSetup,    // Tokens[1] the setup name
  kNothing,  // "DDE": accepted, no effect
};

struct DdeMeaning {
  DdeAction Action = DdeAction::kUnknown;
  int Command = 0;
};

DdeMeaning MeaningOf(const DdeCommand& command);

// The options of a Find command, compared without regard to case.
struct DdeFindOptions {
  bool FromTop = false, Hex = false, Text = false, Case = false, All = false;
};
DdeFindOptions FindOptionsOf(const DdeCommand& command);

// Find: rebuilds the search from the text and options (a text search takes
// the text as sent, a hex search reads it as hex text) and returns the menu
// command to run, Find Next or Mark All; 0 when there is nothing to search
// for, the search then left as it was.
// A text for a Unicode charCode is converted into it, as a typed one is.
int TakeDdeFind(const DdeCommand& command, SearchState& search, int charCode = 0);

// Setup: the section of the named setup in section; false, changing
// nothing, for a name that no setup can have (empty, beginning with a space
// or a control character) and for one too long for it.
bool DdeSetupSection(const std::string& name, char (&section)[kSetupSectionChars + 1]);
