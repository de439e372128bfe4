#include "installer/installer_args.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "common/text_copy.h"

namespace {

// The next space-separated argument with its double quotes removed.
std::string NextArgument(std::string_view& rest) {
  size_t start = rest.find_first_not_of(" \t");
  rest = start == std::string_view::npos ? std::string_view() : rest.substr(start);
  std::string argument;
  bool quoted = false;
  size_t i = 0;
  for (; i < rest.size() && (quoted || (rest[i] != ' ' && rest[i] != '\t')); ++i) {
    if (rest[i] == '"')
      quoted = !quoted;
    else
      argument += rest[i];
  }
  rest = rest.substr(i);
  return argument;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), same);
}

bool CopyValue(char (&out)[kInstallerPathSize], std::string_view value) {
  return !value.empty() && CopyText(out, value) == value.size();
}

}  // namespace

bool ParseInstallerArgs(std::string_view commandLine, InstallerArgs& args, char* error,
                        size_t errorSize) {
  args = {};
  bool allGood = true;
  std::string_view rest = commandLine;
  // Every argument is read even after a bad one, so that /quiet and /log are
  // known wherever they stand and an unattended run can fail without a box.
  for (std::string argument = NextArgument(rest); !argument.empty();
       argument = NextArgument(rest)) {
    std::string_view arg = argument;
    bool ok = true;
    if (StartsWithNoCase(arg, "/quiet") && arg.size() == 6) {
      args.quiet = true;
    } else if (StartsWithNoCase(arg, "/dir:")) {
      ok = CopyValue(args.targetDir, arg.substr(5));
    } else if (StartsWithNoCase(arg, "/log:")) {
      ok = CopyValue(args.logPath, arg.substr(5));
    } else if (StartsWithNoCase(arg, "/overwrite:yes") && arg.size() == 14) {
      args.overwrite = Overwrite::Yes;
    } else if (StartsWithNoCase(arg, "/overwrite:no") && arg.size() == 13) {
      args.overwrite = Overwrite::No;
    } else {
      ok = false;
    }
    if (!ok && allGood) std::snprintf(error, errorSize, "Bad argument: %s", argument.c_str());
    allGood = allGood && ok;
  }
  return allGood;
}
