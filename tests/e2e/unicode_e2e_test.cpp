// A running TARVO.EXE on UTF-8 and UTF-16 files: the code told from the
// file, the lines shown (screenshots), Copy as CF_UNICODETEXT and a Find of
// a word outside ASCII sent by TARVODDE.EXE.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {
constexpr int kSelectAll = 172, kCopy = 171, kHexDump = 312;

// Latin, Greek, CJK and emoji lines, as they are shown and copied.
const std::u16string kLines[] = {u"Andrés Ñandú", u"Καλημέρα κόσμε", u"日本語のテキスト",
                                 u"emoji 😀 🎉"};

std::string Utf8Of(std::u16string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00) c = 0x10000 + ((c - 0xD800) << 10 | (s[++i] - 0xDC00));
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6), out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18), out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F)), out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf16LeOf(std::u16string_view s) {
  std::string out;
  for (char16_t u : s) out += static_cast<char>(u & 0xFF), out += static_cast<char>(u >> 8);
  return out;
}

std::u16string AllLines() {
  std::u16string text;
  for (const std::u16string& line : kLines) text += line + u"\r\n";
  return text;
}

std::u16string ClipboardUnicode() {
  std::u16string text;
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; })) return u"(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

class UnicodeE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    // A new profile: the code is told from each file.
    dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n[Tarvo]\nFont=Courier New,12\n");
  }
  HWND Start(const std::string& name, const std::string& content) {
    dir_.Write(name, content);
    program_ = std::make_unique<ProgramUnderTest>(exe_, name, dir_.path());
    if (!program_->started()) return nullptr;
    HWND main = program_->WaitForWindow("TARVO");
    if (main && !WaitFor([&] { return WindowText(main) == "Tarvo - " + name; })) return nullptr;
    return main;
  }
  bool Send(HWND main, int command) {
    DWORD_PTR result;
    return SendMessageTimeoutA(main, WM_COMMAND, command, 0, SMTO_ABORTIFHUNG, 10000, &result) != 0;
  }
  std::u16string CopyAll(HWND main) {
    EXPECT_TRUE(Send(main, kSelectAll) && Send(main, kCopy));
    return ClipboardUnicode();
  }
  void Shot(HWND main, const char* file) {
    DWORD_PTR result;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    UpdateWindow(main);
    const std::string folder = WinePathOf(TARVO_SHOTS_UNIX_PATH);
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(SaveWindowShot(main, folder + "\\" + file));
  }

  TempFolder dir_;
  std::string exe_;
  std::unique_ptr<ProgramUnderTest> program_;
};
}  // namespace

TEST_F(UnicodeE2E, Utf8FileWithoutAMarkIsShownAndCopiedAsUnicode) {
  HWND main = Start("utf8.txt", Utf8Of(AllLines()));
  ASSERT_NE(main, nullptr);
  Shot(main, "unicode-utf8.png");
  EXPECT_EQ(CopyAll(main), AllLines());
  ASSERT_TRUE(Send(main, kHexDump));
  Shot(main, "unicode-utf8-hex.png");  // the characters column decoded
}

TEST_F(UnicodeE2E, Utf16LeFileWithAMarkIsShownAndCopiedAsUnicode) {
  HWND main = Start("utf16.txt", "\xFF\xFE" + Utf16LeOf(AllLines()));
  ASSERT_NE(main, nullptr);
  Shot(main, "unicode-utf16le.png");
  EXPECT_EQ(CopyAll(main), AllLines());
}

TEST_F(UnicodeE2E, FindSelectsAWordOutsideAscii) {
  const std::string file = dir_.Write(
      "find.txt", "plain line\r\nnothing here\r\n" + Utf8Of(u"über Ñandú und mehr\r\nend\r\n"));
  program_ = std::make_unique<ProgramUnderTest>(exe_, "/D", dir_.path());
  HWND main = program_->WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  auto client = [&](const std::string& execute) {
    ProgramUnderTest run(BuiltProgram("TARVODDE.EXE"), execute, dir_.path());
    return run.WaitForExit(60000);
  };
  ASSERT_EQ(client("-w 20 [DDE]"), 0);
  // The DDE text is ANSI: N with a tilde is 0xD1 in the system's code page.
  EXPECT_EQ(client("\"[Open \"\"" + file +
                   "\"\"][Find \xD1"
                   "and\xFA]\""),
            0);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - find.txt"; }));
  ASSERT_TRUE(Send(main, kCopy));
  EXPECT_EQ(ClipboardUnicode(), u"Ñandú und mehr\r\n") << "the selection starts at the word";
}

// Go To a byte offset inside the CJK line (inside one of its characters)
// brings that line to the top.
TEST_F(UnicodeE2E, GoToAByteOffsetLandsOnItsLine) {
  std::string text;
  for (int i = 0; i < 80; ++i) text += "filler line " + std::to_string(i) + "\r\n";
  const size_t cjk = text.size() + Utf8Of(kLines[0] + u"\r\n" + kLines[1] + u"\r\n").size();
  text += Utf8Of(AllLines());
  HWND main = Start("goto.txt", text);
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_COMMAND, 155, 0);  // Go To
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = FindWindowA("#32770", "Go To")) != nullptr; }));
  SendMessageA(GetDlgItem(dialog, 193), BM_CLICK, 0, 0);  // File byte position
  SetWindowTextA(GetDlgItem(dialog, 195), std::to_string(cjk + 4).c_str());
  SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(WaitFor([&] {
    RemoteViewer viewer(main);
    viewer.TopLine();
    return ClipboardUnicode() == kLines[2] + u"\r\n";
  })) << "the top line is the CJK line";
}
