// ZRFLT32.DLL in a stand-in viewer window: metafiles and an HPGL square
// drawn fitted to the window where the test put them, zoom with scroll
// bars, Copy as a metafile and a bitmap, Save As, and the drawings of
// other kinds declined.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/drawing_bytes.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/painted.h"
#include "viewers/tests/viewer_host.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

TEST(DrawingLibraryTest, MetafilesFillTheWindowWhereTheirRectangleIs) {
  TempFolder dir;
  ViewerHost host(kFilterLibrary);
  const struct {
    const char* name;
    std::string path;
    COLORREF fill;
    const char* status;
  } cases[] = {
      {"placeable WMF", dir.Write("box.wmf", PlaceableWmfBytes(kRed)), kRed,
       "WMF  96 x 96 pixels  100%"},
      {"EMF", dir / "box.emf", kBlue, "EMF  96 x 96 pixels  100%"},
  };
  ASSERT_TRUE(WriteEmfFile(cases[1].path, kBlue));
  for (const auto& c : cases) {
    ASSERT_NE(host.Open(c.path, 16), 0) << c.name;
    EXPECT_EQ(host.Status(), c.status) << c.name;
    Painted painted(host.child());
    const int cx = painted.Width() / 2, cy = painted.Height() / 2, side = std::min(cx, cy);
    EXPECT_EQ(painted.At(cx, cy), c.fill) << c.name << ": the middle";
    EXPECT_EQ(painted.At(cx - side / 2 + 4, cy - side / 2 + 4), c.fill)
        << c.name << ": scaled up to the window";
    EXPECT_EQ(painted.At(cx - side + 4, cy), RGB(255, 255, 255))
        << c.name << ": paper outside the rectangle";
  }
}

TEST(DrawingLibraryTest, AnHpglSquareIsFittedZoomedCopiedAndSaved) {
  TempFolder dir;
  ViewerHost host(kFilterLibrary);
  ASSERT_NE(host.Open(dir.Write("square.plt", kHpglSquare), 21), 0);
  EXPECT_EQ(host.Status(), "HPGL  25 x 25 mm  100%");
  {
    Painted painted(host.child());
    const int cx = painted.Width() / 2, cy = painted.Height() / 2, half = std::min(cx, cy);
    EXPECT_TRUE(painted.Near(cx - half, cy, kRed)) << "the left side at the window's edge";
    EXPECT_TRUE(painted.Near(cx + half, cy, kRed)) << "the right side";
    EXPECT_TRUE(painted.Near(cx, cy - half, kRed)) << "the top side";
    EXPECT_FALSE(painted.Near(cx - half / 2, cy, kRed)) << "nothing between";
    EXPECT_EQ(painted.At(cx, cy), GetSysColor(COLOR_WINDOW)) << "nothing inside";
  }

  EXPECT_EQ(host.Send(ZV_ZOOM, kZoom1X + 4), 1);
  EXPECT_EQ(host.Status(), "HPGL  25 x 25 mm  500%");
  SCROLLINFO bar = {sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(host.child(), SB_HORZ, &bar);
  EXPECT_GT(bar.nMax, static_cast<int>(bar.nPage)) << "scroll bars once larger than the window";
  EXPECT_GT(bar.nPos, 0) << "zoomed about the middle";
  EXPECT_EQ(host.Send(ZV_ZOOM, kZoom1X), 1);

  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  EXPECT_TRUE(host.hasSelection());
  EXPECT_EQ(host.Send(ZV_COPY), 1);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
  if (HANDLE dib = GetClipboardData(CF_DIB)) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    EXPECT_EQ(header->biWidth, 2000) << "the drawing at its own size";
    GlobalUnlock(dib);
  }
  CloseClipboard();

  const std::string saved = dir / "square.bmp";
  EXPECT_EQ(host.Send(ZV_SAVEAS, 0, reinterpret_cast<LPARAM>(saved.c_str())), 1);
  std::ifstream in(saved, std::ios::binary);
  char magic[2] = {};
  in.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), "BM");
}

TEST(DrawingLibraryTest, DeclinesWhatItCannotRead) {
  TempFolder dir;
  ViewerHost host(kFilterLibrary);
  EXPECT_EQ(host.Open(dir.Write("chart.cgm", "BEGMF 'chart';\r\n"), 21), 0)
      << "a kind it does not read";
  EXPECT_EQ(host.Open(dir.Write("words.plt", std::string(200, '\x01')), 21), 0)
      << "no plotter instructions";
  EXPECT_EQ(host.Open(dir.Write("words.dxf", "plain words\r\n"), 21), 0) << "no DXF groups";
}

// Run with the test printer writing to $TARVO_PRINT_OUT (DrawingPrintTest.OnTheTestPrinter).
TEST(DrawingPrintTest, PrintsTheDrawingAsLinesOnOnePage) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "DrawingPrintTest.OnTheTestPrinter runs it with the test printer";
  TempFolder dir;
  ViewerHost host(kFilterLibrary);
  ASSERT_NE(host.Open(dir.Write("square.plt", kHpglSquare), 21), 0);
  const std::string ps = host.PrintOnTestPrinter(out);
  EXPECT_NE(ps.find("%%Pages: 1"), std::string::npos) << "one page";
  EXPECT_EQ(ps.find("image"), std::string::npos) << "lines, not a bitmap of them";
  EXPECT_NE(ps.find("1.00 0.00 0.00 setrgbcolor"), std::string::npos) << "in the pen's red";
  EXPECT_NE(ps.find("lineto"), std::string::npos);
}

}  // namespace
