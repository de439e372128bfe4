// The graphics library with pictures the test writes in every format it
// reads: each shows the pixels it was made from, zoom and Rotate change
// them as they should, Save As writes each kind, and a GIF's frames are
// offered as pages that play.
#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/graphics/formats/picture_writers.h"
#include "viewers/tests/viewer_host.h"

namespace {

// A picture of few colours, so that every format (GIF too) holds it exactly.
Picture Quarters(int width, int height) {
  Picture p;
  p.Resize(width, height);
  const uint32_t colours[4] = {PixelOf(200, 30, 30), PixelOf(30, 160, 40), PixelOf(20, 40, 220), PixelOf(250, 250, 20)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.Row(y)[x] = colours[(y * 2 / height) * 2 + x * 2 / width];
  return p;
}

std::string Encoded(const Picture& picture, SaveKind kind) {
  std::string bytes;
  WritePicture(picture, kind, [&](const void* data, size_t n) {
    bytes.append(static_cast<const char*>(data), n);
    return true;
  });
  return bytes;
}

std::string Png(const Picture& picture) {
  std::vector<uint8_t> rgba;
  for (uint32_t p : picture.Pixels)
    rgba.insert(rgba.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p), 255});
  std::string out;
  stbi_write_png_to_func([](void* to, void* data, int n) { static_cast<std::string*>(to)->append(static_cast<char*>(data), n); },
                         &out, picture.Width, picture.Height, 4, rgba.data(), picture.Width * 4);
  return out;
}

class GraphicsLibraryTest : public testing::Test {
 protected:
  // The child's client area as drawn, top row first.
  static Picture Drawn(const ViewerHost& of) {
    RECT r;
    GetClientRect(of.child(), &r);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(of.child(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    Picture drawn;
    drawn.Resize(r.right, r.bottom);
    std::copy_n(static_cast<uint32_t*>(bits), drawn.Pixels.size(), drawn.Pixels.data());
    for (uint32_t& p : drawn.Pixels) p |= 0xFF000000u;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return drawn;
  }
  // Whether the picture stands in the middle of what was drawn, each pixel scale times.
  Picture Drawn() { return Drawn(host); }
  static bool ShowsInTheMiddle(const Picture& picture, int scale, const ViewerHost& of) {
    const Picture drawn = Drawn(of);
    const int left = (drawn.Width - picture.Width * scale) / 2, top = (drawn.Height - picture.Height * scale) / 2;
    for (int y = 0; y < picture.Height * scale; ++y)
      for (int x = 0; x < picture.Width * scale; ++x)
        if (drawn.Row(top + y)[left + x] != picture.Row(y / scale)[x / scale]) {
          ADD_FAILURE() << "at " << x << "," << y;
          return false;
        }
    return true;
  }
  bool ShowsInTheMiddle(const Picture& picture, int scale = 1) { return ShowsInTheMiddle(picture, scale, host); }

  TempFolder dir;
  ViewerHost host{kGraphicsLibrary};
};

TEST_F(GraphicsLibraryTest, EveryFormatShowsItsPixelsAndZoomAndRotateChangeThem) {
  const Picture source = Quarters(24, 16);
  const std::pair<const char*, std::string> files[] = {
      {"q.bmp", Encoded(source, SaveKind::Bmp)}, {"q.pcx", Encoded(source, SaveKind::Pcx)},
      {"q.tif", Encoded(source, SaveKind::Tif)}, {"q.gif", Encoded(source, SaveKind::Gif)},
      {"q.tga", Encoded(source, SaveKind::Tga)}, {"q.png", Png(source)}};
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    ASSERT_NE(host.Open(dir.Write(name, bytes), 2), 0);
    EXPECT_TRUE(ShowsInTheMiddle(source));
  }
  ASSERT_NE(host.Open(dir.Write("q.jpg", Encoded(source, SaveKind::Jpg)), 2), 0);
  EXPECT_NE(host.Status().find("JPEG  24 x 16  24 bits  100%"), std::string::npos) << host.Status();

  ASSERT_NE(host.Open(dir / "q.bmp", 2), 0);
  host.Send(ZV_ZOOM, kZoom1X + 1);
  EXPECT_TRUE(ShowsInTheMiddle(source, 2));
  EXPECT_NE(host.Status().find("200%"), std::string::npos) << host.Status();
  host.Send(ZV_ZOOM, kZoom1X);
  host.Send(WM_COMMAND, 320);  // Rotate 90 degrees
  Picture turned;
  turned.Resize(source.Height, source.Width);
  for (int y = 0; y < source.Height; ++y)
    for (int x = 0; x < source.Width; ++x) turned.Row(x)[source.Height - 1 - y] = source.Row(y)[x];
  EXPECT_TRUE(ShowsInTheMiddle(turned));
}

// The picture as a binary PPM, which any other reader takes.
std::string Ppm(const Picture& picture) {
  std::string out = "P6\n" + std::to_string(picture.Width) + " " + std::to_string(picture.Height) + "\n255\n";
  for (uint32_t p : picture.Pixels)
    out += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
  return out;
}

// With $TARVO_SAVED_PICTURES set, the six files and the picture they should
// hold are left there for another reader (check_saved_pictures.sh).
TEST_F(GraphicsLibraryTest, SaveAsWritesThePictureAsShownInEachKind) {
  const Picture source = Quarters(20, 12);
  ASSERT_NE(host.Open(dir.Write("q.bmp", Encoded(source, SaveKind::Bmp)), 2), 0);
  host.Send(WM_COMMAND, 319);  // Reverse Left to Right
  Picture reversed = source;
  for (int y = 0; y < reversed.Height; ++y) std::reverse(reversed.Row(y), reversed.Row(y) + reversed.Width);
  const char* left = getenv("TARVO_SAVED_PICTURES");
  const std::string folder = left ? WinePathOf(left) : dir.path();
  CreateDirectoryA(folder.c_str(), nullptr);
  const char* names[] = {"saved.bmp", "saved.pcx", "saved.tif", "saved.gif", "saved.jpg", "saved.tga"};
  for (unsigned kind = 0; kind < 6; ++kind) {
    SCOPED_TRACE(names[kind]);
    const std::string saved = folder + "\\" + names[kind];
    ASSERT_EQ(host.Send(ZV_SAVEAS, kind, reinterpret_cast<LPARAM>(saved.c_str())), 1);
    if (kind == static_cast<unsigned>(SaveKind::Jpg)) continue;  // not exactly
    ViewerHost reader{kGraphicsLibrary};
    ASSERT_NE(reader.Open(saved, 2), 0);
    EXPECT_TRUE(ShowsInTheMiddle(reversed, 1, reader));
  }
  EXPECT_TRUE(WriteFileText(folder + "\\expected.ppm", Ppm(reversed)));
}

TEST_F(GraphicsLibraryTest, TheFramesOfAGifArePagesThatPlayAndABitmapHasOne) {
  ASSERT_NE(host.Open(dir.Write("one.bmp", Encoded(Quarters(8, 8), SaveKind::Bmp)), 2), 0);
  EXPECT_EQ(std::count(host.toldParent.begin(), host.toldParent.end(), ZV_PAGES), 1);
  EXPECT_EQ(std::count(host.toldParent.begin(), host.toldParent.end(), ZV_CANPLAY), 0);
  EXPECT_EQ(host.Send(ZV_SHOWPAGE, 1), 0) << "a bitmap has one page";
  EXPECT_EQ(host.Send(ZV_PLAY), 0) << "nothing to play";

  // Two frames of the same four colours share the writer's colour table:
  // the second one's image block goes after the first one's.
  const Picture first = Quarters(16, 8);
  Picture second = first;
  std::reverse(second.Pixels.begin(), second.Pixels.end());
  const std::string a = Encoded(first, SaveKind::Gif), b = Encoded(second, SaveKind::Gif);
  constexpr size_t kImageBlock = 13 + 3 * 256;
  host.toldParent.clear();
  ASSERT_NE(host.Open(dir.Write("two.gif", a.substr(0, a.size() - 1) + b.substr(kImageBlock)), 2), 0);
  EXPECT_EQ(std::count(host.toldParent.begin(), host.toldParent.end(), ZV_CANPLAY), 1);
  EXPECT_TRUE(ShowsInTheMiddle(first));
  EXPECT_EQ(host.Send(ZV_SHOWPAGE, 1), 1);
  EXPECT_TRUE(ShowsInTheMiddle(second));
  EXPECT_EQ(host.Send(ZV_PLAY), 1);
  EXPECT_EQ(host.Send(ZV_PLAY), 1) << "Play again stops";
}

TEST_F(GraphicsLibraryTest, MetafilesAreDrawnByThePlatform) {
  const std::string emf = dir / "drawing.emf", wmf = dir / "drawing.wmf";
  const RECT frame = {0, 0, 2540, 1270};  // 1 x 0.5 inch
  HDC recording = CreateEnhMetaFileA(nullptr, emf.c_str(), &frame, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT square = {10, 10, 40, 40};
  FillRect(recording, &square, red);
  DeleteEnhMetaFile(CloseEnhMetaFile(recording));
  recording = CreateMetaFileA(wmf.c_str());
  FillRect(recording, &square, red);
  DeleteMetaFile(CloseMetaFile(recording));
  DeleteObject(red);
  for (const auto& [path, format] : {std::pair{emf, "EMF"}, std::pair{wmf, "WMF"}}) {
    ASSERT_NE(host.Open(path, 2), 0) << format;
    EXPECT_EQ(host.Status().rfind(format, 0), 0u) << host.Status();
    const Picture drawn = Drawn();
    EXPECT_TRUE(std::count(drawn.Pixels.begin(), drawn.Pixels.end(), PixelOf(255, 0, 0)) > 0) << format;
  }
  EXPECT_EQ(host.Open(dir.Write("words.emf", "not a drawing at all"), 2), 0);
}

// Run with the test printer writing to $TARVO_PRINT_OUT (GraphicsPrintTest.OnTheTestPrinter).
TEST(GraphicsPrintTest, PrintsThePictureOnOnePage) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "GraphicsPrintTest.OnTheTestPrinter runs it with the test printer";
  TempFolder dir;
  ViewerHost host(kGraphicsLibrary);
  ASSERT_NE(host.Open(dir.Write("q.bmp", Encoded(Quarters(40, 30), SaveKind::Bmp)), 2), 0);
  const std::string ps = host.PrintOnTestPrinter(out);
  EXPECT_NE(ps.find("%%Pages: 1"), std::string::npos) << "one page";
  EXPECT_NE(ps.find("image"), std::string::npos) << "with the picture";
}

}  // namespace
