// ZRTTF32.DLL in a stand-in viewer window: it refuses what is not a font,
// names the font in the status text, finds and goes to characters by text
// or code and shows their cells, copies the facts, and draws a glyph the
// checks refuse as an empty box instead of faulting.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/fonts/formats/test_fonts.h"
#include "viewers/tests/painted.h"
#include "viewers/tests/viewer_host.h"

namespace {

std::string AsString(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// Whether what the child paints holds a side x side block of ink: only the
// test font's square draws one, neither its labels nor an empty box.
bool PaintsInkBlock(HWND child, int side) {
  const Painted painted(child);
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  bool found = false;
  for (int y = 0; y + side < painted.Height() && !found; y += side / 2)
    for (int x = 0; x + side < painted.Width() && !found; x += side / 2) {
      bool all = true;
      for (int dy = 0; dy < side && all; ++dy)
        for (int dx = 0; dx < side && all; ++dx) all = painted.At(x + dx, y + dy) == ink;
      found = all;
    }
  return found;
}

TEST(FontLibraryTest, ShowsTheFontFindsItsCharactersAndCopiesItsFacts) {
  TempFolder dir;
  ViewerHost host(kFontLibrary);
  EXPECT_EQ(host.Open(dir.Write("not.ttf", "plain words\r\n"), 28), 0) << "not a font";
  ASSERT_NE(host.Open(dir.Write("quadrat.ttf", AsString(MakeTestFont().Bytes)), 28), 0);
  EXPECT_EQ(host.Status(), "Quadrat Sans Regular, 4 glyphs");
  EXPECT_TRUE(host.hasSelection()) << "Copy is offered at once";

  const struct {
    const char* text;
    LRESULT answer;
  } finds[] = {{"A", 1},  {"A", kFindNoFurther},   {"U+0043", 1},
               {"42", 1}, {"Zebra", kFindNoMatch}, {"U+12345678", kFindNoMatch}};
  for (const auto& f : finds)
    EXPECT_EQ(LOWORD(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(f.text))), f.answer) << f.text;
  EXPECT_TRUE(PaintsInkBlock(host.child(), 12)) << "B's cell shown, a square";
  host.Send(ZV_FINDOPENING);
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>("B")), 1) << "a new find starts again";
  host.Send(ZV_ZOOM, 305);
  host.Post(ZV_GOTO, 0, 'A');
  EXPECT_TRUE(PaintsInkBlock(host.child(), 60)) << "five times as large";

  const std::string facts = host.Copy();
  EXPECT_NE(facts.find("Family: Quadrat Sans\r\n"), std::string::npos) << facts;
  EXPECT_NE(facts.find("Embedding: editable embedding\r\n"), std::string::npos) << facts;
}

TEST(FontLibraryTest, HostileFontsAreShownPartlyOrDeclined) {
  TempFolder dir;
  ViewerHost host(kFontLibrary);
  TestFont cyclic = MakeTestFont();
  cyclic.Put16(cyclic.Table("glyf") + 36 + 12, 2);  // glyph 2's component is itself
  ASSERT_NE(host.Open(dir.Write("cyclic.ttf", AsString(cyclic.Bytes)), 28), 0);
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>("A")), 1);
  EXPECT_TRUE(PaintsInkBlock(host.child(), 12))
      << "the square is still drawn, beside the cycle's box";

  TestFont many = MakeTestFont();
  many.Put16(many.Table("maxp") + 4, 65535);
  many.Put32(many.Record("glyf") + 8, many.Table("cmap"));  // glyf over cmap
  ASSERT_NE(host.Open(dir.Write("many.ttf", AsString(many.Bytes)), 28), 0);
  EXPECT_EQ(host.Status(), "Quadrat Sans Regular, 65535 glyphs");
  PaintsInkBlock(host.child(), 12);

  EXPECT_NE(host.Open(dir.Write("faces.ttc", AsString(MakeTestCollection(3))), 28), 0);
  EXPECT_EQ(host.Status(), "Quadrat Sans Regular, 4 glyphs, face 1 of 3");
  TestFont truncated = MakeTestFont();
  truncated.Bytes.resize(40);
  EXPECT_EQ(host.Open(dir.Write("short.ttf", AsString(truncated.Bytes)), 28), 0);
}

// Run with the test printer writing to $TARVO_PRINT_OUT (FontPrintTest.OnTheTestPrinter).
TEST(FontPrintTest, PrintsTheSampleSheetWithItsFactsAndGlyphs) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "FontPrintTest.OnTheTestPrinter runs it with the test printer";
  TempFolder dir;
  ViewerHost host(kFontLibrary);
  ASSERT_NE(host.Open(dir.Write("quadrat.ttf", AsString(MakeTestFont().Bytes)), 28), 0);
  const std::string ps = host.PrintOnTestPrinter(out);
  EXPECT_NE(ps.find("%%Pages: 1"), std::string::npos) << "the sheet on one page";
  EXPECT_NE(ps.find("image"), std::string::npos) << "with the glyphs";
}

}  // namespace
