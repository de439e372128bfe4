#include "viewer/buffer/code_tables.h"

#include <array>
#include <cstring>

#include "viewer/buffer/format_flags.h"

namespace {
constexpr uint8_t kMiddleDot = 0xB7;
constexpr uint8_t kTabMark = 0xA4;
constexpr uint8_t kFormFeedMark = 0xF0;
constexpr uint8_t kFormFeed = 0x0C;

// Rows 0x0-0x3 show every byte as the middle dot.
constexpr uint8_t kEbcdicUpper[12][16] = {
    {32, 91, 93, 163, 165, 183, 164, 223, 167, 175, 162, 46, 60, 40, 43, 124},
    {38, 176, 183, 94, 168, 146, 184, 224, 232, 236, 33, 36, 42, 41, 59, 172},
    {45, 47, 242, 249, 227, 245, 255, 224, 232, 233, 166, 44, 37, 95, 62, 63},
    {236, 242, 249, 252, 231, 228, 235, 239, 246, 96, 58, 35, 64, 39, 61, 34},
    {252, 97, 98, 99, 100, 101, 102, 103, 104, 105, 226, 234, 238, 244, 251, 225},
    {233, 106, 107, 108, 109, 110, 111, 112, 113, 114, 237, 243, 250, 241, 192, 200},
    {204, 126, 115, 116, 117, 118, 119, 120, 121, 122, 210, 217, 195, 213, 183, 183},
    {183, 183, 183, 183, 183, 183, 183, 196, 203, 207, 214, 220, 194, 202, 206, 212},
    {123, 65, 66, 67, 68, 69, 70, 71, 72, 73, 219, 193, 201, 205, 183, 183},
    {125, 74, 75, 76, 77, 78, 79, 80, 81, 82, 211, 218, 209, 183, 183, 183},
    {92, 183, 83, 84, 85, 86, 87, 88, 89, 90, 248, 229, 231, 183, 183, 183},
    {48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 198, 216, 197, 199, 183, 183},
};

using Table = std::array<uint8_t, 256>;

Table MakeEbcdic() {
  Table t;
  t.fill(kMiddleDot);
  std::memcpy(t.data() + 0x40, kEbcdicUpper, sizeof kEbcdicUpper);
  return t;
}

const Table kEbcdic = MakeEbcdic();

// ANSI or OEM: control bytes as the middle dot, the rest converted, the tab
// marked.
void BuildTable(Table& t, const uint8_t* conversions) {
  for (int b = 0; b < 0x20; ++b) t[b] = kMiddleDot;
  for (int b = 0x20; b < 256; ++b) t[b] = conversions ? conversions[b] : static_cast<uint8_t>(b);
  t[0x09] = kTabMark;
}

Table gAnsi, gOem;
bool gAnsiBuilt = false, gOemBuilt = false;
bool gConversionSet = false;
uint8_t gConversion[256];
}  // namespace

CodeTable SelectCodeTable(uint32_t flags) {
  if (flags & FMT_EBCDIC) return kEbcdic.data();
  Table* t = &gAnsi;
  if (flags & FMT_OEM) {
    if (!gOemBuilt) {
      uint8_t platform[256];
      if (!gConversionSet) PlatformOemToAnsi(platform);
      BuildTable(gOem, gConversionSet ? gConversion : platform);
      gOemBuilt = true;
    }
    t = &gOem;
  } else if (!gAnsiBuilt) {
    BuildTable(gAnsi, nullptr);
    gAnsiBuilt = true;
  }
  (*t)[kFormFeed] = (flags & FMT_KEEP_FF) ? kFormFeed : kFormFeedMark;
  return t->data();
}

CodeTable EbcdicReverseTable() {
  static const Table reverse = [] {
    Table r{};
    for (int i = 0; i < 256; ++i) r[kEbcdic[i]] = static_cast<uint8_t>(i);
    r[kMiddleDot] = 0;
    return r;
  }();
  return reverse.data();
}

void SetOemConversion(const uint8_t* conversions) {
  gConversionSet = conversions != nullptr;
  if (conversions) std::memcpy(gConversion, conversions, sizeof gConversion);
  gOemBuilt = false;
}
