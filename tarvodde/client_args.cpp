#include "tarvodde/client_args.h"

#include <cstdlib>
#include <vector>

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }

// The argument that starts at p; p is left just after it.
std::string NextArgument(const char*& p) {
  std::string arg;
  bool quoted = false;
  while (*p && (quoted || !Blank(*p))) {
    if (*p == '\\') {
      size_t n = 0;
      for (; *p == '\\'; ++p) ++n;
      if (*p != '"') {
        arg.append(n, '\\');
        continue;
      }
      arg.append(n / 2, '\\');
      if (n % 2) {
        arg += '"';
        ++p;
        continue;
      }
    }
    if (*p != '"') {
      arg += *p++;
    } else if (quoted && p[1] == '"') {
      arg += '"';
      p += 2;
    } else {
      quoted = !quoted;
      ++p;
    }
  }
  return arg;
}

std::vector<std::string> SplitArguments(const char* p) {
  std::vector<std::string> args;
  // The program's name: quotes group, nothing is escaped.
  bool quoted = false;
  for (; *p && (quoted || !Blank(*p)); ++p)
    if (*p == '"') quoted = !quoted;
  for (;;) {
    while (Blank(*p)) ++p;
    if (!*p) return args;
    args.push_back(NextArgument(p));
  }
}

bool IsWaitOption(const std::string& a) {
  return a.size() == 2 && (a[0] == '-' || a[0] == '/') && (a[1] == 'w' || a[1] == 'W');
}

bool IsHelpOption(const std::string& a) { return a == "-h" || a == "--help" || a == "/?"; }
}  // namespace

ClientArgs ParseClientArgs(const char* commandLine) {
  ClientArgs out;
  const std::vector<std::string> args = SplitArguments(commandLine ? commandLine : "");
  size_t i = 0;
  if (i < args.size() && IsHelpOption(args[i])) {
    out.Usable = false;
    out.Help = true;
    return out;
  }
  if (i < args.size() && IsWaitOption(args[i])) {
    char* end = nullptr;
    const long seconds = i + 1 < args.size() ? std::strtol(args[i + 1].c_str(), &end, 10) : -1;
    if (seconds < 0 || seconds > 3600 || !end || *end || args[i + 1].empty()) {
      out.Usable = false;
      return out;
    }
    out.WaitSeconds = static_cast<int>(seconds);
    i += 2;
  }
  if (i == args.size() || (i + 1 == args.size() && args[i] == "-")) {
    out.FromStdin = true;
    return out;
  }
  for (; i < args.size(); ++i) {
    if (!out.Execute.empty()) out.Execute += ' ';
    out.Execute += args[i];
  }
  out.Usable = out.Execute.find_first_not_of(" \t") != std::string::npos;
  return out;
}
