// The installer's command line. Without arguments it shows its dialog; for
// unattended runs (scripts, tests):
//   TRUSetup.exe /quiet [/dir:FOLDER] [/overwrite:yes|no] [/log:FILE]
// Values may be quoted ("/dir:C:\Program Files\Tarvo" or /dir:"C:\...").
// Unattended, a file already in the folder is kept unless /overwrite:yes.
#pragma once
#include <cstddef>
#include <string_view>

inline constexpr size_t kInstallerPathSize = 260;

enum class Overwrite { Ask, Yes, No };

struct InstallerArgs {
  bool quiet = false;
  Overwrite overwrite = Overwrite::Ask;
  char targetDir[kInstallerPathSize] = "";
  char logPath[kInstallerPathSize] = "";
};

// False with a message about the first argument that is unknown, malformed
// or too long; the other arguments are still read into args.
bool ParseInstallerArgs(std::string_view commandLine, InstallerArgs& args, char* error,
                        size_t errorSize);
