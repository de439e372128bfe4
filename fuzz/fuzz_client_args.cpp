// TARVODDE.EXE's command line: any text, no crash, and an execute string
// only when it holds more than blanks; and any argument quoted by the C
// runtime's rules (as Wine quotes a Unix shell's argument) comes back whole.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tarvodde/client_args.h"

namespace {
// s in quotes, each quote and the backslashes before it or before the
// closing quote escaped.
std::string Quoted(const std::string& s) {
  std::string q = "\"";
  size_t backslashes = 0;
  for (char c : s) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    q.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    q += c;
  }
  return q.append(2 * backslashes, '\\') + '"';
}

bool IsOption(const std::string& s) {
  return s == "-" || s == "-h" || s == "--help" || s == "/?" || s == "-w" || s == "-W" ||
         s == "/w" || s == "/W";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const ClientArgs a = ParseClientArgs(line.c_str());
  if (a.Usable && !a.FromStdin && a.Execute.find_first_not_of(" \t") == std::string::npos)
    std::abort();
  if (a.WaitSeconds < 0 || a.WaitSeconds > 3600) std::abort();

  const std::string argument = line.substr(0, line.find('\0'));
  if (IsOption(argument) || argument.find_first_not_of(" \t") == std::string::npos) return 0;
  const ClientArgs b = ParseClientArgs(("TARVODDE.EXE " + Quoted(argument)).c_str());
  if (!b.Usable || b.Execute != argument) std::abort();
  return 0;
}
