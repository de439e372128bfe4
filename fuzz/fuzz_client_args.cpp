// TARVODDE.EXE's command line: any text, no crash, and an execute string
// only when it holds more than blanks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tarvodde/client_args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const ClientArgs a = ParseClientArgs(line.c_str());
  if (a.Usable && !a.FromStdin && a.Execute.find_first_not_of(" \t") == std::string::npos)
    std::abort();
  if (a.WaitSeconds < 0 || a.WaitSeconds > 3600) std::abort();
  return 0;
}
