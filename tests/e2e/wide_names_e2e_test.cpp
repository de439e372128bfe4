// TARVO.EXE on files whose names the ANSI code page cannot hold: named on
// the command line, sent by a DDE client as UTF-8, and opened again from the
// recent files that the profile keeps. The caption shows the wide name.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
const std::wstring kCyrillic = L"\u0436\u0443\u0440\u043D\u0430\u043B.txt";  // журнал.txt
const std::wstring kCjk = L"\u65E5\u672C\u8A9E\u306E\u8A18\u9332.txt";  // 日本語の記録.txt
constexpr char kText[] = "line one\r\nline two\r\n";

std::string Utf8(const std::wstring& s) {
  std::string out(s.size() * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::wstring Caption(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

class WideNamesE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\nMruFiles=1\n");
  }
  HWND Start(const std::wstring& arguments) {
    program_ = std::make_unique<ProgramUnderTest>(exe_, arguments, dir_.path());
    return program_->WaitForWindow("TARVO");
  }
  bool CaptionBecomes(HWND main, const std::wstring& name) {
    return WaitFor([&] { return Caption(main) == L"Tarvo - " + name; });
  }
  int Client(const std::string& arguments) {
    ProgramUnderTest client(BuiltProgram("TARVODDE.EXE"), arguments, dir_.path());
    return client.WaitForExit(60000);
  }

  TempFolder dir_;
  std::string exe_;
  std::unique_ptr<ProgramUnderTest> program_;
};
}  // namespace

TEST_F(WideNamesE2E, CommandLineNamesOpenAndShowInTheCaption) {
  for (const std::wstring& name : {kCyrillic, kCjk}) {
    dir_.WriteWide(name, kText);
    HWND main = Start(L"\"" + name + L"\"");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(CaptionBecomes(main, name)) << Utf8(Caption(main));
    const std::string folder = WinePathOf(TARVO_SHOTS_UNIX_PATH);
    CreateDirectoryA(folder.c_str(), nullptr);
    DWORD_PTR result;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    UpdateWindow(main);
    const char* shot = name == kCjk ? "\\wide-name-cjk.png" : "\\wide-name-cyrillic.png";
    EXPECT_TRUE(SaveWindowShot(main, folder + shot));
    program_.reset();
  }
}

TEST_F(WideNamesE2E, DdeOpenTakesPlainUtf8AndMarkedNames) {
  const std::string folder = dir_.path() + "\\";
  dir_.WriteWide(kCyrillic, kText);
  dir_.WriteWide(kCjk, kText);
  HWND main = Start(L"/D");
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(Client("-w 20 [DDE]"), 0);
  EXPECT_EQ(Client("\"[Open \"\"" + folder + Utf8(kCjk) + "\"\"]\""), 0);
  EXPECT_TRUE(CaptionBecomes(main, kCjk)) << Utf8(Caption(main));
  EXPECT_EQ(Client("\"[Open \"\"<utf8>" + folder + Utf8(kCyrillic) + "\"\"]\""), 0);
  EXPECT_TRUE(CaptionBecomes(main, kCyrillic)) << Utf8(Caption(main));
}

TEST_F(WideNamesE2E, RecentFileReadsBackFromTheProfile) {
  dir_.WriteWide(kCjk, kText);
  dir_.Write("plain.txt", "plain\r\n");
  HWND main = Start(L"\"" + kCjk + L"\"");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(CaptionBecomes(main, kCjk));
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(program_->WaitForExit(), 0);
  EXPECT_NE(ReadFileText(dir_ / "TARVO.INI").find("<utf8>" + dir_.path() + "\\" + Utf8(kCjk)),
            std::string::npos)
      << ReadFileText(dir_ / "TARVO.INI");

  main = Start(L"plain.txt");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(CaptionBecomes(main, L"plain.txt"));
  PostMessageA(main, WM_COMMAND, IDM_RECENT_FIRST + 1, 0);
  EXPECT_TRUE(CaptionBecomes(main, kCjk)) << Utf8(Caption(main));
}
