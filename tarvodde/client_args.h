// The command line of TARVODDE.EXE: an optional wait for a viewer, then the
// execute string, given as one or more arguments (joined by blanks) or read
// from standard input ("-" or nothing); or a request for the usage.
#pragma once
#include <string>

struct ClientArgs {
  bool Usable = true;      // false: print the usage and stop
  bool Help = false;       // -h, --help or /?: the usage was asked for
  int WaitSeconds = 0;     // how long to wait for a viewer to appear
  bool FromStdin = false;  // the execute string comes from standard input
  std::string Execute;     // otherwise, the execute string
};

// commandLine: the whole command line, the program's own name first. It is
// split into arguments as the C runtime splits it for main(): blanks
// separate them, double quotes group, 2n backslashes before a quote stand
// for n and the quote groups, 2n + 1 stand for n and a quote, other
// backslashes are themselves, and a doubled quote inside quotes is one
// quote. Programs that build a command line by these rules (Wine from a
// Unix shell's arguments, for one) escape quotes with backslashes.
ClientArgs ParseClientArgs(const char* commandLine);
