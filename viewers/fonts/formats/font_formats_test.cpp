// The font readers on a real font, on the tests' own font and on hostile
// variants of it: facts as the font states them, the character map, the
// glyphs drawn where their outlines are, and every unsound table declined
// or shown partly.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <numeric>

#include "viewer/buffer/memory_files.h"
#include "viewers/fonts/formats/char_map.h"
#include "viewers/fonts/formats/font_facts.h"
#include "viewers/fonts/formats/font_raster.h"
#include "viewers/fonts/formats/test_fonts.h"

namespace {

// Wine's own Tahoma, from the fonts-wine package the install script brings.
constexpr const char* kTahoma = "/usr/share/wine/fonts/tahoma.ttf";

int Ink(const GlyphMask& mask) {
  return std::accumulate(mask.Coverage.begin(), mask.Coverage.end(), 0);
}

TEST(FontFacts, OfWinesTahoma) {
  std::ifstream in(kTahoma, std::ios::binary);
  ASSERT_TRUE(in) << kTahoma;
  const FontFile font = ParseFontFile({std::istreambuf_iterator<char>(in), {}});
  ASSERT_EQ(font.Kind, SfntKind::TrueType);
  const FontFacts facts = ReadFontFacts(font);
  EXPECT_EQ(facts.Family, "Tahoma");
  EXPECT_EQ(facts.Style, "Regular");
  EXPECT_EQ(facts.GlyphCount, 988u);
  EXPECT_EQ(facts.Outlines, SfntKind::TrueType);
  EXPECT_EQ(DescribeFont(facts), "Tahoma Regular, 988 glyphs");
  const CharMap map = ReadCharMap(font, facts.GlyphCount);
  EXPECT_GT(map.size(), 500u);
  const FontRaster raster(font);
  ASSERT_TRUE(raster.Drawable());
  for (char c : std::string("AgQ&5")) {
    const GlyphMask mask = raster.Render(GlyphOf(map, static_cast<uint8_t>(c)), 24);
    EXPECT_FALSE(mask.Failed) << c;
    EXPECT_GT(Ink(mask), 255 * 10) << c;
  }
}

TEST(FontFacts, OfTheTestFont) {
  const FontFile font = ParseFontFile(MakeTestFont(0x0004).Bytes);
  const FontFacts facts = ReadFontFacts(font);
  EXPECT_EQ(facts.Family, kTestFontFamily);
  EXPECT_EQ(facts.FullName, "Quadrat Sans Regular");
  EXPECT_EQ(facts.Version, "Version 1.0");
  EXPECT_EQ(facts.Copyright, "Made for the tests");
  EXPECT_EQ(facts.GlyphCount, kTestFontGlyphs);
  EXPECT_EQ(DescribeEmbedding(facts), "preview and print embedding");
  ASSERT_EQ(facts.Encodings.size(), 1u);
  EXPECT_EQ(FontFactLines(facts)[7].Value, "3/1 format 4");
  const CharMap map = ReadCharMap(font, facts.GlyphCount);
  ASSERT_EQ(map.size(), 3u);
  EXPECT_EQ(GlyphOf(map, 'A'), 1);
  EXPECT_EQ(GlyphOf(map, 'C'), 3);
  EXPECT_EQ(GlyphOf(map, 'D'), 0);
}

TEST(FontFacts, EmbeddingPermissions) {
  const struct {
    uint16_t fsType;
    const char* text;
  } cases[] = {{0x0000, "installable embedding"},
               {0x0002, "restricted: may not be embedded"},
               {0x0004, "preview and print embedding"},
               {0x0308, "editable embedding, no subsetting, bitmaps only"}};
  for (const auto& c : cases)
    EXPECT_EQ(DescribeEmbedding(ReadFontFacts(ParseFontFile(MakeTestFont(c.fsType).Bytes))), c.text)
        << c.fsType;
}

TEST(FontFacts, CollectionShowsItsFirstFaceAndCount) {
  const FontFile font = ParseFontFile(MakeTestCollection(3));
  ASSERT_EQ(font.Kind, SfntKind::TrueType);
  const FontFacts facts = ReadFontFacts(font);
  EXPECT_EQ(DescribeFont(facts), "Quadrat Sans Regular, 4 glyphs, face 1 of 3");
  EXPECT_TRUE(FontRaster(font).Drawable());
}

TEST(FontFacts, CffOutlinesAreNamedAndNotDrawn) {
  TestFont cff = MakeTestFont();
  cff.Put32(0, 0x4F54544F);  // 'OTTO'
  std::copy_n("CFF ", 4, cff.Bytes.begin() + cff.Record("glyf"));
  const FontFile font = ParseFontFile(cff.Bytes);
  const FontFacts facts = ReadFontFacts(font);
  EXPECT_EQ(facts.Outlines, SfntKind::Cff);
  EXPECT_EQ(DescribeFont(facts), "Quadrat Sans Regular, 4 glyphs, CFF outlines not drawn");
  EXPECT_FALSE(FontRaster(font).Drawable());
}

TEST(FontRaster, DrawsTheSquareWhereItsOutlineIs) {
  const FontFile font = ParseFontFile(MakeTestFont().Bytes);
  const FontRaster raster(font);
  ASSERT_TRUE(raster.Drawable());
  EXPECT_EQ(raster.Advance(1), 700);
  EXPECT_EQ(raster.Ascent(), 800);
  const GlyphMask square = raster.Render(1, 100);  // 10 to 60 across, 0 to 70 up
  ASSERT_FALSE(square.Failed);
  const auto at = [&](int x, int y) {
    return square.Coverage[(y - square.Top) * square.Width + x - square.Left];
  };
  EXPECT_EQ(at(35, -35), 255) << "inside";
  EXPECT_EQ(at(11, -1), 255) << "inside, at a corner";
  EXPECT_EQ(at(9, -35), 0) << "left of it";
  EXPECT_EQ(at(35, -71), 0) << "above it";
  const GlyphMask composite = raster.Render(2, 100);
  EXPECT_EQ(composite.Coverage, square.Coverage) << "the composite is the square";
  EXPECT_TRUE(raster.Render(0, 100).Coverage.empty()) << "an empty glyph";
}

// Hostile fonts: each is read, mapped and drawn without a fault (the
// sanitizers watch), and says how much of it is still shown.
TEST(FontHostile, DeclinedOrShownPartly) {
  using Patch = void (*)(TestFont&);
  const struct {
    const char* name;
    Patch patch;
    bool opens, drawable, squareDrawn;
    size_t mapped;
  } cases[] = {
      {"sound", [](TestFont&) {}, true, true, true, 3},
      {"glyf past the end", [](TestFont& f) { f.Put32(f.Record("glyf") + 12, 0x7FFFFFF0); }, true,
       false, false, 3},
      {"directory past the end", [](TestFont& f) { f.Put16(4, 4000); }, false, false, false, 0},
      {"glyf over cmap", [](TestFont& f) { f.Put32(f.Record("glyf") + 8, f.Table("cmap")); }, true,
       true, true, 3},
      {"loca over glyf", [](TestFont& f) { f.Put32(f.Record("loca") + 8, f.Table("glyf")); }, true,
       true, false, 3},
      {"maxp of 65535", [](TestFont& f) { f.Put16(f.Table("maxp") + 4, 65535); }, true, true, true,
       3},
      {"loca descending", [](TestFont& f) { f.Put32(f.Table("loca") + 8, 0x100); }, true, true,
       false, 3},
      {"square with 30000 contours", [](TestFont& f) { f.Put16(f.Table("glyf"), 30000); }, true,
       true, false, 3},
      {"square's points past it", [](TestFont& f) { f.Put16(f.Table("glyf") + 10, 400); }, true,
       true, false, 3},
      {"cmap segments past the table",
       [](TestFont& f) { f.Put16(f.Table("cmap") + 12 + 6, 0xFFFE); }, true, true, true, 0},
      {"cmap subtable past the table",
       [](TestFont& f) { f.Put32(f.Table("cmap") + 8, 0xFFFFFF00); }, true, true, true, 0},
      {"cmap record count past the table", [](TestFont& f) { f.Put16(f.Table("cmap") + 2, 65535); },
       true, true, true, 3},
      {"name counts past the table", [](TestFont& f) { f.Put16(f.Table("name") + 2, 65535); }, true,
       true, true, 3},
      {"units per em 0", [](TestFont& f) { f.Put16(f.Table("head") + 18, 0); }, true, false, false,
       3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestFont bytes = MakeTestFont();
    c.patch(bytes);
    const FontFile font = ParseFontFile(bytes.Bytes);
    EXPECT_EQ(font.Kind != SfntKind::None, c.opens);
    const FontFacts facts = ReadFontFacts(font);
    DescribeFont(facts);
    EXPECT_EQ(ReadCharMap(font, facts.GlyphCount).size(), c.mapped);
    const FontRaster raster(font);
    EXPECT_EQ(raster.Drawable(), c.drawable);
    EXPECT_EQ(!raster.Render(1, 40).Failed, c.squareDrawn);
    for (uint16_t glyph : {0, 2, 3, 4, 1000, 65534}) raster.Render(glyph, 40);
  }
}

TEST(FontHostile, CompositeThatContainsItselfIsAnEmptyBox) {
  TestFont bytes = MakeTestFont();
  const uint32_t composite = bytes.Table("glyf") + 16 + 20;  // glyph 2 follows the 36-byte square
  ASSERT_EQ(bytes.Bytes[composite + 1], 0xFF);
  bytes.Put16(composite + 12, 2);  // its component is itself
  const FontFile font = ParseFontFile(bytes.Bytes);
  const FontRaster raster(font);
  EXPECT_TRUE(raster.Render(2, 40).Failed);
  EXPECT_FALSE(raster.Render(1, 40).Failed);
}

TEST(FontHostile, EveryTruncationOfTheFont) {
  const std::vector<uint8_t> whole = MakeTestFont().Bytes;
  for (size_t size = 0; size < whole.size(); ++size) {
    const FontFile font = ParseFontFile({whole.begin(), whole.begin() + size});
    const FontFacts facts = ReadFontFacts(font);
    ReadCharMap(font, facts.GlyphCount);
    const FontRaster raster(font);
    for (uint16_t glyph = 0; glyph < 5; ++glyph) raster.Render(glyph, 20);
  }
}

TEST(FontFile, ReadThroughTheFileSeamUpToItsLimit) {
  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["font.ttf"] = MakeTestFont().Bytes;
  EXPECT_EQ(ReadFontFile("font.ttf").Kind, SfntKind::TrueType);
  fs.SparseFiles["huge.ttf"] = {kMostFontBytes + 1, std::string("\0\1\0\0", 4), {}};
  EXPECT_EQ(ReadFontFile("huge.ttf").Kind, SfntKind::None);
  fs.Files["words.ttf"] = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'};
  EXPECT_EQ(ReadFontFile("words.ttf").Kind, SfntKind::None);
  UsePlatformFiles();
}

}  // namespace
