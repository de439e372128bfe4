#include "viewers/fonts/formats/font_facts.h"

#include <cstdio>

namespace {

constexpr size_t kMostNameChars = 255;
constexpr uint32_t kMostEncodings = 16;
enum NameId : uint16_t { kCopyright = 0, kFamily = 1, kStyle = 2, kFullName = 4, kVersion = 5 };

// How well a name record serves: Windows Unicode names in US English first,
// then other Windows names, then Macintosh Roman; 0 for those not read.
int NameRank(uint16_t platform, uint16_t encoding, uint16_t language) {
  if (platform == 3 && (encoding == 1 || encoding == 0 || encoding == 10))
    return language == 0x409 ? 4 : 3;
  if (platform == 1 && encoding == 0) return language == 0 ? 2 : 1;
  return 0;
}

std::string NameText(const FontFile& font, uint32_t at, uint32_t length, bool utf16) {
  std::string text;
  const uint32_t step = utf16 ? 2 : 1;
  for (uint32_t i = 0; i + step <= length && text.size() < kMostNameChars; i += step) {
    const unsigned c = utf16 ? font.U16(at + i) : font.U8(at + i);
    if (c < 0x20) continue;
    text += c < 0x100 ? static_cast<char>(c) : '?';
  }
  return text;
}

void ReadNames(const FontFile& font, FontFacts& facts) {
  const FontTable name = font.Find("name");
  if (!Within(0, 6, name.Length)) return;
  const uint32_t count = font.U16(name.Offset + 2), storage = font.U16(name.Offset + 4);
  std::string* fields[6] = {&facts.Copyright, &facts.Family,   &facts.Style,
                            nullptr,          &facts.FullName, &facts.Version};
  int ranks[6] = {};
  for (uint32_t i = 0; i < count && Within(6 + i * 12, 12, name.Length); ++i) {
    const uint32_t record = name.Offset + 6 + i * 12;
    const uint16_t id = font.U16(record + 6);
    if (id > kVersion || !fields[id]) continue;
    const int rank = NameRank(font.U16(record), font.U16(record + 2), font.U16(record + 4));
    const uint32_t length = font.U16(record + 8),
                   offset = storage + uint32_t{font.U16(record + 10)};
    if (rank <= ranks[id] || !Within(offset, length, name.Length)) continue;
    ranks[id] = rank;
    *fields[id] = NameText(font, name.Offset + offset, length, font.U16(record) == 3);
  }
}

void ReadEncodings(const FontFile& font, FontFacts& facts) {
  const FontTable cmap = font.Find("cmap");
  if (!Within(0, 4, cmap.Length)) return;
  const uint32_t count = font.U16(cmap.Offset + 2);
  for (uint32_t i = 0; i < count && i < kMostEncodings && Within(4 + i * 8, 8, cmap.Length); ++i) {
    const uint32_t record = cmap.Offset + 4 + i * 8, offset = font.U32(record + 4);
    CmapEncoding encoding{font.U16(record), font.U16(record + 2), 0};
    if (Within(offset, 2, cmap.Length)) encoding.Format = font.U16(cmap.Offset + offset);
    facts.Encodings.push_back(encoding);
  }
}

}  // namespace

FontFacts ReadFontFacts(const FontFile& font) {
  FontFacts facts;
  facts.FaceCount = font.FaceCount;
  ReadNames(font, facts);
  const FontTable maxp = font.Find("maxp");
  if (Within(0, 6, maxp.Length)) facts.GlyphCount = font.U16(maxp.Offset + 4);
  const FontTable os2 = font.Find("OS/2");
  if (Within(0, 10, os2.Length)) {
    facts.HasEmbedding = true;
    facts.EmbeddingFlags = font.U16(os2.Offset + 8);
  }
  ReadEncodings(font, facts);
  if (font.Find("glyf").Present() && font.Find("loca").Present())
    facts.Outlines = SfntKind::TrueType;
  else if (font.Find("CFF ").Present() || font.Find("CFF2").Present())
    facts.Outlines = SfntKind::Cff;
  return facts;
}

std::string DescribeEmbedding(const FontFacts& facts) {
  if (!facts.HasEmbedding) return "not stated";
  const uint16_t flags = facts.EmbeddingFlags;
  std::string text;
  if (flags & 0x0008)
    text = "editable embedding";
  else if (flags & 0x0004)
    text = "preview and print embedding";
  else if (flags & 0x0002)
    text = "restricted: may not be embedded";
  else
    text = "installable embedding";
  if (flags & 0x0100) text += ", no subsetting";
  if (flags & 0x0200) text += ", bitmaps only";
  return text;
}

std::string DescribeFont(const FontFacts& facts) {
  std::string text = facts.Family.empty() ? "Font" : facts.Family;
  if (!facts.Style.empty()) text += " " + facts.Style;
  text += ", " + std::to_string(facts.GlyphCount) + " glyphs";
  if (facts.FaceCount > 1) text += ", face 1 of " + std::to_string(facts.FaceCount);
  if (facts.Outlines == SfntKind::Cff) text += ", CFF outlines not drawn";
  return text;
}

std::vector<FactLine> FontFactLines(const FontFacts& facts) {
  std::vector<FactLine> lines = {
      {"Family", facts.Family},       {"Style", facts.Style},
      {"Full name", facts.FullName},  {"Version", facts.Version},
      {"Copyright", facts.Copyright}, {"Glyphs", std::to_string(facts.GlyphCount)}};
  const char* outlines = facts.Outlines == SfntKind::TrueType ? "TrueType"
                         : facts.Outlines == SfntKind::Cff
                             ? "CFF (PostScript); outlines are not drawn"
                             : "none";
  lines.push_back({"Outlines", outlines});
  std::string encodings;
  for (const CmapEncoding& e : facts.Encodings) {
    char text[48];
    std::snprintf(text, sizeof text, "%s%u/%u format %u", encodings.empty() ? "" : "; ", e.Platform,
                  e.Encoding, e.Format);
    encodings += text;
  }
  lines.push_back({"Encodings", encodings.empty() ? "none" : encodings});
  lines.push_back({"Embedding", DescribeEmbedding(facts)});
  if (facts.FaceCount > 1)
    lines.push_back({"Collection", std::to_string(facts.FaceCount) + " faces; the first is shown"});
  return lines;
}
