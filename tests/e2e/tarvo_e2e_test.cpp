// TARVO.EXE started under Wine with its own profile, driven from this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {
class Tarvo : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    profile_ = dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n");
    sample_ = dir_.Write("sample.txt", "first line\r\nsecond line\r\n");
  }
  std::string ProfileValue(const char* section, const char* key) const {
    char value[300] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, profile_.c_str());
    return value;
  }
  TempFolder dir_;
  std::string exe_, profile_, sample_;
};
}  // namespace

TEST_F(Tarvo, OpensTheCommandLineFileAndRemembersItAtExit) {
  ProgramUnderTest tarvo(exe_, "sample.txt", dir_.path());
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - sample.txt"; }))
      << WindowText(main);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
  EXPECT_EQ(lstrcmpiA(ProfileValue("MRU Files", "File1").c_str(), sample_.c_str()), 0)
      << ProfileValue("MRU Files", "File1");
}

// As Explorer and "Open with" start it: the whole path in double quotes.
TEST_F(Tarvo, OpensAQuotedNameWithBlanks) {
  std::string path = dir_.Write("My Log File.txt", "a log line\r\n");
  ProgramUnderTest tarvo(exe_, "\"" + path + "\"", dir_.path());
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - My Log File.txt"; }))
      << WindowText(main);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

TEST_F(Tarvo, MissingFileOffersTheOpenDialogAndCancelEndsTheProgram) {
  ProgramUnderTest tarvo(exe_, "no-such-file.txt", dir_.path());
  ASSERT_TRUE(tarvo.started());
  HWND dialog = tarvo.WaitForWindow("#32770");
  ASSERT_NE(dialog, nullptr) << "the Open dialog did not appear";
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

TEST_F(Tarvo, SwitchNStartsMinimizedAndDWaitsWithoutOpening) {
  ProgramUnderTest tarvo(exe_, "-n /D *.log", dir_.path());
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsIconic(main));
  EXPECT_EQ(WindowText(main), "Tarvo");
  EXPECT_EQ(tarvo.WaitForWindow("#32770", 500), nullptr) << "no Open dialog with switch D";
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}
