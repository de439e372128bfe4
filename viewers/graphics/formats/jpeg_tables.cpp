#include "viewers/graphics/formats/jpeg_tables.h"

namespace {

constexpr int kMostCodes = 256;

// Tables defined so far, by class (0 DC, 1 AC) and number.
struct Defined {
  bool Table[2][4] = {};
};

bool TablesFit(ByteSource& file, int64_t length, Defined& defined) {
  while (length >= 17) {
    const int which = file.Get();  // class and number
    if (which < 0 || (which >> 4) > 1 || (which & 15) > 3) return false;
    defined.Table[which >> 4][which & 15] = true;
    int codes = 0;
    for (int i = 0; i < 16; ++i) {
      const int count = file.Get();
      if (count < 0) return false;
      codes += count;
    }
    if (codes > kMostCodes || codes > length - 17) return false;
    file.SeekTo(file.Position() + codes);
    length -= 17 + codes;
  }
  return length == 0;
}

// Past a scan's coded data, to the marker that ends it.
void SkipCodedData(ByteSource& file) {
  for (int b = file.Get(); b >= 0; b = file.Get()) {
    if (b != 0xFF) continue;
    int next = file.Get();
    while (next == 0xFF) next = file.Get();
    if (next < 0) return;
    if (next != 0 && (next < 0xD0 || next > 0xD7)) {
      file.SeekTo(file.Position() - 2);
      return;
    }
  }
}

// A scan's header: each component names its DC and AC tables; a
// progressive scan decodes with the DC tables (start 0) or the AC ones.
bool ScanTablesDefined(ByteSource& file, int64_t length, bool progressive, const Defined& defined) {
  const int components = file.Get();
  if (components < 1 || components > 4 || length < 1 + 2 * components + 3) return false;
  int selectors[4];
  for (int i = 0; i < components; ++i) file.Get(), selectors[i] = file.Get();
  const int start = file.Get();
  for (int i = 0; i < components; ++i) {
    const bool dc = defined.Table[0][selectors[i] >> 4 & 3] && (selectors[i] >> 4) < 4;
    const bool ac = defined.Table[1][selectors[i] & 3] && (selectors[i] & 15) < 4;
    if (progressive ? (start == 0 ? !dc : !ac) : !(dc && ac)) return false;
  }
  return true;
}

}  // namespace

bool JpegTablesSound(ByteSource& file) {
  Defined defined;
  bool progressive = false;
  file.SeekTo(2);
  for (;;) {
    int marker = file.Get();
    if (marker < 0) return true;  // the decoder finds what else a file that ends lacks
    if (marker != 0xFF) return false;
    while (marker == 0xFF) marker = file.Get();
    if (marker == 0xD9 || marker < 0) return true;
    if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
    const int high = file.Get(), low = file.Get();
    if (low < 0) return true;
    const int64_t length = (high << 8 | low) - 2;
    if (length < 0) return false;
    const int64_t next = file.Position() + length;
    if (marker == 0xC2) progressive = true;
    if (marker == 0xC4 && !TablesFit(file, length, defined)) return false;
    if (marker == 0xDA && !ScanTablesDefined(file, length, progressive, defined)) return false;
    file.SeekTo(next);
    if (marker == 0xDA) SkipCodedData(file);
  }
}
