// Natively there is no OEM code page: bytes stand for themselves.
#include "viewer/buffer/code_tables.h"

void PlatformOemToAnsi(uint8_t conversions[256]) {
  for (int b = 0; b < 256; ++b) conversions[b] = static_cast<uint8_t>(b);
}
