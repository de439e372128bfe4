// The text viewer's command line: any bytes, any length.
#include <cstdint>
#include <cstring>
#include <string>

#include "viewer/app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CommandLine c;
  ParseCommandLine(text.c_str(), &c);
  if (std::strlen(c.RequestedName) > static_cast<size_t>(kPathChars)) __builtin_trap();
  if (std::strlen(c.CurrentSetup) > static_cast<size_t>(kSetupSectionChars)) __builtin_trap();
  for (char s : c.Switches)
    if (s && !((s >= 'a' && s <= 'z') || (s >= 'A' && s <= 'Z'))) __builtin_trap();
  return 0;
}
