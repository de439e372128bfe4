// Select All and Copy in a running TARVO.EXE: the clipboard holds the lines
// as they are shown, in each format and character code.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/expected_copy.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {
constexpr int kLineLength = 40;
constexpr int kSelectAll = 172, kCopy = 171, kText = 311, kHex = 312, kRaw = 313;

// Tabs, a line longer than the line length, CR LF, LF and LF CR line ends,
// a control byte and bytes above 0x7F; the last line has no line end.
const std::string kSample =
    "a\tbc\t\td\r\n"
    "0123456789abcdefghijABCDEFGHIJ0123456789klmnopqrst\n"
    "x\xE9y\xFF\x01z\n\r"
    "\xC1\xC2\xF1\xF2\x40\x81 mixed \xA4\r\n"
    "last";

void EmptyTheClipboard() {
  ASSERT_TRUE(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }));
  EmptyClipboard();
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; })) return "(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// "" when the texts agree, else the lines where they first part.
std::string FirstDifference(const std::string& got, const std::string& expected) {
  size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  if (at == got.size() && at == expected.size()) return "";
  size_t from = expected.rfind('\n', at == 0 ? 0 : at - 1);
  from = from == std::string::npos ? 0 : from + 1;
  return "at byte " + std::to_string(at) + ": got \"" + got.substr(from, 100) + "\"\nexpected \"" +
         expected.substr(from, 100) + "\"";
}

class Copy : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
  }
  // Starts the program on the file with a fixed line length (tabs expanded
  // in Text) and the given character code.
  HWND Start(const std::string& name, const std::string& content, int charCode) {
    dir_.Write(name, content);
    std::string profile =
        "[Tarvo Setup]\nMasterProfile=1\n[Tarvo]\nLineLength=" + std::to_string(kLineLength) +
        "\nTabLength=8\nOptions0=48\nOptions1=16\nOptions2=16\nCharCode=" +
        std::to_string(charCode) + "\n";
    dir_.Write("TARVO.INI", profile);
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
  // Select All and Copy; the clipboard text afterwards.
  std::string CopyAll(HWND main) {
    EmptyTheClipboard();
    if (!Send(main, kSelectAll) || !Send(main, kCopy)) return "(no answer)";
    return ClipboardText();
  }
  void Stop(HWND main) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0);
  }
  TempFolder dir_;
  std::string exe_;
  std::unique_ptr<ProgramUnderTest> program_;
};
}  // namespace

TEST_F(Copy, EachFormatPutsItsLinesOnTheClipboardInAnsiAndEbcdic) {
  for (int charCode : {0, 2}) {
    bool ebcdic = charCode == 2;
    SCOPED_TRACE(ebcdic ? "EBCDIC" : "ANSI");
    HWND main = Start("sample.txt", kSample, charCode);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Send(main, kHex));
    EXPECT_EQ(CopyAll(main), ExpectedHexDumpCopy(kSample, kLineLength, ebcdic)) << "Hex Dump";
    ASSERT_TRUE(Send(main, kRaw));
    EXPECT_EQ(CopyAll(main), ExpectedRawTextCopy(kSample, kLineLength, ebcdic)) << "Raw Text";
    ASSERT_TRUE(Send(main, kText));
    EXPECT_EQ(CopyAll(main), ExpectedTextCopy(kSample, kLineLength, 8, ebcdic)) << "Text";
    Stop(main);
  }
}

// Lines of 100 bytes shown as 40 characters: the clipboard block fills after
// more than one read block of the file, and a line crosses the first block's end.
TEST_F(Copy, ASelectionLargerThanTheClipboardBlockIsCutAtALineEnd) {
  std::string content;
  char line[128];
  for (int i = 0; i < 900; ++i) {
    std::snprintf(line, sizeof line, "%04d %093d\r\n", i, i);
    content += line;
  }
  HWND main = Start("big.txt", content, 0);
  ASSERT_NE(main, nullptr);
  EmptyTheClipboard();
  ASSERT_TRUE(Send(main, kSelectAll));
  PostMessageA(main, WM_COMMAND, kCopy, 0);
  HWND box = WaitForMessageBox(program_->processId(), "Tarvo", "were copied", 10000);
  ASSERT_NE(box, nullptr) << "a cut copy says so";
  std::string said = WindowText(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  std::string text = ClipboardText();
  EXPECT_NE(said.find(" (" + std::to_string(text.size()) + " bytes)"), std::string::npos) << said;
  EXPECT_LE(text.size(), 32759u);
  EXPECT_GE(text.size(), 32750u) << "the block is filled";
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  size_t whole = text.rfind("\r\n", text.size() - 3) + 2;  // after the last complete line
  EXPECT_EQ(FirstDifference(text.substr(0, whole),
                            ExpectedTextCopy(content, kLineLength, 8, false).substr(0, whole)),
            "");
  Stop(main);
}

TEST_F(Copy, WithoutASelectionTheClipboardIsLeftAlone) {
  HWND main = Start("sample.txt", kSample, 0);
  ASSERT_NE(main, nullptr);
  EmptyTheClipboard();
  ASSERT_TRUE(Send(main, kCopy));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  Stop(main);
}
