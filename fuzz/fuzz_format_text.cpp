// FormatText over random bytes, flags, line lengths and buffer sizes.
#include "fuzz/formatter_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzFormatter(FormatText, false, data, size);
  return 0;
}
