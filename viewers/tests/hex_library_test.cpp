// The hex library: Go To and hex find select the right line, and a file
// past 4 GiB reports a clamped size and can be viewed to its end.
#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"
#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/viewer_host.h"

namespace {
class HexLibraryTest : public testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kHexLibrary};
};

std::string Bytes(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += static_cast<char>('a' + i % 26);
  return s;
}

TEST_F(HexLibraryTest, GoToAndHexFindSelectTheLineOfTheByte) {
  std::string bytes = Bytes(96);
  bytes[0x47] = '\r';
  bytes[0x48] = '\n';
  ASSERT_NE(host.Open(dir.Write("b.bin", bytes), 1), 0);
  host.Post(ZV_GOTO, 0, 0x35);
  EXPECT_EQ(host.Copy().substr(0, 6), "000030");
  for (const char* digits : {"0D 0A", "0d0a"}) {
    host.Send(ZV_FINDOPENING);
    EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(digits)), 1) << digits;
    EXPECT_EQ(host.Copy().substr(0, 6), "000040") << digits;
  }
}

TEST_F(HexLibraryTest, AFileOfFiveGiBReportsTheLargest32BitSizeAndShowsItsEnd) {
  constexpr int64_t kSize = 5LL << 30;
  std::string path = dir.WriteSparse("huge.bin", kSize, {{kSize - 16, "END!"}});
  ASSERT_FALSE(path.empty());
  ASSERT_NE(host.Open(path, 1), 0);
  EXPECT_EQ(static_cast<DWORD>(host.Send(ZV_FILESIZE)), 0xFFFFFFFFu);
  host.Post(WM_KEYDOWN, VK_END);
  host.ClickRow(host.RowsShown() - 1);
  std::string last = host.Copy();
  EXPECT_EQ(last.substr(0, 9), "13FFFFFF0") << last;
  EXPECT_NE(last.find("454E4421"), std::string::npos) << last;

  std::string box;
  DialogDriver driver([&](HWND dialog) {
    box = MessageBoxText(dialog);
    ClickButton(dialog, IDOK);
  });
  host.Send(ZV_SELECTALL);
  std::string all = host.Copy();
  EXPECT_NE(box.find("4 MB"), std::string::npos) << "a copy of it all is cut: " << box;
  EXPECT_GT(all.size(), 3u << 20);
  EXPECT_LE(all.size(), 4u << 20);
}
}  // namespace
