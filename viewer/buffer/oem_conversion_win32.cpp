// The platform's OEM-to-ANSI conversion of the byte values 0x20-0xFF (the
// control bytes show as the middle dot in any case).
#include <windows.h>

#include "viewer/buffer/code_tables.h"

void PlatformOemToAnsi(uint8_t conversions[256]) {
  char oem[256];
  for (int b = 0; b < 256; ++b)
    oem[b] = static_cast<char>(b), conversions[b] = static_cast<uint8_t>(b);
  OemToCharBuffA(oem + 0x20, reinterpret_cast<char*>(conversions) + 0x20, 256 - 0x20);
}
