// The command line of TARVODDE.EXE: an optional wait for a viewer, then the
// execute string, given as one or more arguments (joined by blanks) or read
// from standard input ("-" or nothing).
#pragma once
#include <string>

struct ClientArgs {
  bool Usable = true;      // false: print the usage and stop
  int WaitSeconds = 0;     // how long to wait for a viewer to appear
  bool FromStdin = false;  // the execute string comes from standard input
  std::string Execute;     // otherwise, the execute string
};

// commandLine: the whole command line, the program's own name first.
// Arguments follow the platform's rules: blanks separate them, double
// quotes group, and a doubled quote inside quotes stands for one quote.
ClientArgs ParseClientArgs(const char* commandLine);
