#include "viewers/fonts/formats/test_fonts.h"

#include <cstring>
#include <map>

namespace {

struct Bytes {
  std::vector<uint8_t> b;
  Bytes& u16(uint32_t v) { return b.push_back(uint8_t(v >> 8)), b.push_back(uint8_t(v)), *this; }
  Bytes& u32(uint32_t v) { return u16(v >> 16).u16(v & 0xFFFF); }
};

std::vector<uint8_t> Square() {
  Bytes g;
  g.u16(1).u16(100).u16(0).u16(600).u16(700).u16(3).u16(0);
  for (int i = 0; i < 4; ++i) g.b.push_back(0x01);
  g.u16(100).u16(0).u16(500).u16(0);             // x
  g.u16(0).u16(700).u16(0).u16(uint16_t(-700));  // y
  return g.b;
}

std::vector<uint8_t> Triangle() {
  Bytes g;
  g.u16(1).u16(100).u16(0).u16(600).u16(700).u16(2).u16(0);
  for (int i = 0; i < 3; ++i) g.b.push_back(0x01);
  g.u16(100).u16(250).u16(250);
  g.u16(0).u16(700).u16(uint16_t(-700));
  return g.b;
}

std::vector<uint8_t> CompositeOfSquare() {
  Bytes g;
  g.u16(uint16_t(-1)).u16(100).u16(0).u16(600).u16(700);
  g.u16(0x0003).u16(1).u16(0).u16(0);  // offsets as words, no further component
  return g.b;
}

std::vector<uint8_t> Name(const std::map<uint16_t, std::string>& names) {
  Bytes strings, records;
  for (const auto& [id, text] : names) {
    records.u16(3)
        .u16(1)
        .u16(0x409)
        .u16(id)
        .u16(uint16_t(text.size() * 2))
        .u16(uint16_t(strings.b.size()));
    for (char c : text) strings.u16(static_cast<uint8_t>(c));
  }
  Bytes t;
  t.u16(0).u16(uint16_t(names.size())).u16(uint16_t(6 + records.b.size()));
  t.b.insert(t.b.end(), records.b.begin(), records.b.end());
  t.b.insert(t.b.end(), strings.b.begin(), strings.b.end());
  return t.b;
}

}  // namespace

TestFont MakeTestFont(uint16_t embedding) {
  std::map<std::string, std::vector<uint8_t>> tables;
  const std::vector<std::vector<uint8_t>> glyphs = {{}, Square(), CompositeOfSquare(), Triangle()};
  Bytes glyf, loca;
  for (const auto& g : glyphs) {
    loca.u32(uint32_t(glyf.b.size()));
    glyf.b.insert(glyf.b.end(), g.begin(), g.end());
    while (glyf.b.size() % 4) glyf.b.push_back(0);
  }
  loca.u32(uint32_t(glyf.b.size()));
  tables["glyf"] = glyf.b;
  tables["loca"] = loca.b;
  Bytes head;
  head.u32(0x00010000).u32(0x00010000).u32(0).u32(0x5F0F3CF5).u16(0).u16(1000);
  while (head.b.size() < 50) head.b.push_back(0);
  head.u16(1).u16(0);  // 32-bit loca offsets
  tables["head"] = head.b;
  Bytes hhea;
  hhea.u32(0x00010000).u16(800).u16(uint16_t(-200)).u16(0);
  while (hhea.b.size() < 34) hhea.b.push_back(0);
  hhea.u16(kTestFontGlyphs);
  tables["hhea"] = hhea.b;
  Bytes hmtx;
  for (uint32_t i = 0; i < kTestFontGlyphs; ++i) hmtx.u16(i ? 700 : 500).u16(100);
  tables["hmtx"] = hmtx.b;
  Bytes maxp;
  maxp.u32(0x00005000).u16(kTestFontGlyphs);
  tables["maxp"] = maxp.b;
  Bytes os2;
  os2.u16(3).u16(500).u16(400).u16(5).u16(embedding);
  while (os2.b.size() < 78) os2.b.push_back(0);
  tables["OS/2"] = os2.b;
  // 'A'-'C' to glyphs 1-3, and the closing segment.
  Bytes cmap;
  cmap.u16(0).u16(1).u16(3).u16(1).u32(12);
  cmap.u16(4).u16(32).u16(0).u16(4).u16(4).u16(1).u16(0);
  cmap.u16(0x43)
      .u16(0xFFFF)
      .u16(0)
      .u16(0x41)
      .u16(0xFFFF)
      .u16(uint16_t(1 - 0x41))
      .u16(1)
      .u16(0)
      .u16(0);
  tables["cmap"] = cmap.b;
  tables["name"] = Name({{0, "Made for the tests"},
                         {1, kTestFontFamily},
                         {2, "Regular"},
                         {4, "Quadrat Sans Regular"},
                         {5, "Version 1.0"}});

  TestFont font;
  Bytes out;
  out.u32(0x00010000).u16(uint16_t(tables.size())).u16(128).u16(3).u16(0);
  uint32_t offset = uint32_t(12 + 16 * tables.size());
  for (const auto& [tag, bytes] : tables) {  // the map keeps tags in order
    out.b.insert(out.b.end(), tag.begin(), tag.end());
    out.u32(0).u32(offset).u32(uint32_t(bytes.size()));
    offset += uint32_t((bytes.size() + 3) & ~3u);
  }
  for (const auto& [tag, bytes] : tables) {
    out.b.insert(out.b.end(), bytes.begin(), bytes.end());
    while (out.b.size() % 4) out.b.push_back(0);
  }
  font.Bytes = out.b;
  return font;
}

uint32_t TestFont::Record(const char* tag) const {
  const uint32_t count = uint32_t(Bytes[4] << 8 | Bytes[5]);
  for (uint32_t i = 0; i < count; ++i)
    if (std::memcmp(&Bytes[12 + i * 16], tag, 4) == 0) return 12 + i * 16;
  return 0;
}

uint32_t TestFont::Table(const char* tag) const {
  const uint32_t r = Record(tag) + 8;
  return uint32_t(Bytes[r] << 24 | Bytes[r + 1] << 16 | Bytes[r + 2] << 8 | Bytes[r + 3]);
}

void TestFont::Put16(uint32_t at, uint16_t v) {
  Bytes[at] = uint8_t(v >> 8);
  Bytes[at + 1] = uint8_t(v);
}

void TestFont::Put32(uint32_t at, uint32_t v) {
  Put16(at, uint16_t(v >> 16));
  Put16(at + 2, uint16_t(v));
}

std::vector<uint8_t> MakeTestCollection(uint32_t faceCount) {
  const std::vector<uint8_t> face = MakeTestFont().Bytes;
  Bytes out;
  const uint32_t header = 12 + 4 * faceCount;
  out.u32(0x74746366).u32(0x00010000).u32(faceCount);
  for (uint32_t i = 0; i < faceCount; ++i) out.u32(header);
  // Every face shares one directory, whose offsets then count from the
  // start of the collection.
  TestFont shifted{face};
  const uint32_t count = uint32_t(face[4] << 8 | face[5]);
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t at = 12 + i * 16 + 8;
    shifted.Put32(
        at,
        uint32_t(face[at] << 24 | face[at + 1] << 16 | face[at + 2] << 8 | face[at + 3]) + header);
  }
  out.b.insert(out.b.end(), shifted.Bytes.begin(), shifted.Bytes.end());
  return out.b;
}
