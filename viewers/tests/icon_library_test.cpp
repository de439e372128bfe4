// ZRI32.DLL in a stand-in viewer window: it refuses what is not an icon,
// draws every image blended onto the parent's background at the zoom,
// copies the largest one, and prints them all on one page.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/clipboard_text.h"
#include "tests/support/icon_bytes.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/painted.h"
#include "viewers/tests/viewer_host.h"

namespace {

// Half-transparent blue on the background, as the library blends it.
COLORREF HalfBlueOn(COLORREF back) {
  auto mix = [](int front, int under) {
    return static_cast<BYTE>((front * 128 + under * 127 + 127) / 255);
  };
  return RGB(mix(0, GetRValue(back)), mix(0, GetGValue(back)), mix(255, GetBValue(back)));
}

TEST(IconLibraryTest, DrawsEveryImageAtTheZoomAndCopiesTheLargest) {
  TempFolder dir;
  ViewerHost host(kIconLibrary);
  EXPECT_EQ(host.Open(dir.Write("not.ico", "plain words\r\n"), 3), 0) << "not an icon";
  ASSERT_NE(
      host.Open(
          dir.Write("two.ico", IconFileBytes({{16, 16, 255, 0, 0, 255}, {32, 32, 0, 0, 255, 128}})),
          3),
      0);
  EXPECT_EQ(host.Status(), "ICO, 2 images");

  const COLORREF back = GetSysColor(COLOR_WINDOW), half = HalfBlueOn(back);
  struct Case {
    unsigned zoom;
    int side;  // of the smaller image as shown
  };
  for (const Case& c : {Case{kZoom1X, 16}, Case{kZoom1X + 2, 48}, Case{kZoomQuarter + 1, 8}}) {
    SCOPED_TRACE(c.zoom);
    ASSERT_NE(host.Send(ZV_ZOOM, c.zoom), 0);
    Painted painted(host.child());
    int widest = 0;
    EXPECT_EQ(painted.Count(RGB(255, 0, 0), &widest), c.side * c.side) << "the opaque image, whole";
    EXPECT_EQ(widest, c.side);
    if (2 * c.side < 300) {  // the larger image still fits the window
      EXPECT_EQ(painted.Count(half, &widest), 4 * c.side * c.side) << "the blended image";
      EXPECT_EQ(widest, 2 * c.side);
    }
  }

  ASSERT_NE(host.Send(ZV_SELECTALL), 0);
  EXPECT_TRUE(host.hasSelection()) << "Copy is enabled";
  EmptyTheClipboard();
  ASSERT_NE(host.Send(ZV_COPY), 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE dib = GetClipboardData(CF_DIB);
  ASSERT_NE(dib, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
  EXPECT_EQ(header->biWidth, 32) << "the largest image, at 1X";
  EXPECT_EQ(header->biHeight, 32);
  const auto* pixel = reinterpret_cast<const uint8_t*>(header + 1);
  EXPECT_EQ(RGB(pixel[2], pixel[1], pixel[0]), half);
  GlobalUnlock(dib);
  CloseClipboard();
}

}  // namespace

// With the test printer (TARVO_PRINT_OUT names its output): every image on
// one page. Skipped in the plain run.
TEST(IconPrintTest, PrintsEveryImageOnOnePage) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "IconPrintTest.OnTheTestPrinter runs it with the test printer";
  TempFolder dir;
  ViewerHost host(kIconLibrary);
  ASSERT_NE(host.Open(dir.Write("two.ico", IconFileBytes({{16, 16, 255, 0, 0, 255},
                                                          {256, 256, 0, 0, 255, 128}})),
                      3),
            0);
  const std::string ps = host.PrintOnTestPrinter(out);
  EXPECT_NE(ps.find("%%Pages: 1"), std::string::npos) << "one page";
  EXPECT_NE(ps.find("image"), std::string::npos) << "with the pictures";
}
