// Prints from a running TARVO.EXE to the test printer: a file with form
// feeds, two frozen titles, a tagged line and a selection, through the
// Print command and its dialog ("All" chosen). Leaves the PostScript and the
// pages' text worked out from the file for check_print.sh, which converts
// one and compares it with the other.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
constexpr int kAllRadio = 0x420;  // rad1 of the print dialog

std::string PrintedFile() {
  std::string text = "TITLE ONE\r\nTITLE TWO\r\n";
  for (int i = 1; i <= 20; ++i)
    text += std::string(i == 9 || i == 17 ? "\f" : "") + "body line " + std::to_string(i) + "\r\n";
  return text;
}

// Each page's lines as the printer shows them: the heading, the titles,
// then the file's lines up to the next form feed (blank lines left out).
std::string ExpectedPages(const std::string& text) {
  std::string pages, page;
  int number = 1;
  auto head = [&] {
    page = "print.txt Page " + std::to_string(number) + "\nTITLE ONE\nTITLE TWO\n";
  };
  head();
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find("\r\n", at);
    std::string line = text.substr(at, end - at);
    at = end + 2;
    if (!line.empty() && line[0] == '\f') {
      pages += page + "\f";
      ++number;
      head();
      line.erase(0, 1);
    }
    page += line + "\n";
  }
  return pages + page + "\f";
}
}  // namespace

TEST(PrintE2E, PrintsHeadingTitlesTagsSelectionAndFormFeedPages) {
  TempFolder dir;
  const std::string outWindows = WinePathOf(TARVO_PRINT_UNIX_DIR);
  CreateDirectoryA(outWindows.c_str(), nullptr);
  DeleteFileA((outWindows + "\\out.ps").c_str());
  const std::string exe = dir.path() + "\\TARVO.EXE";
  ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  dir.Write("TARVO.INI",
            "[Tarvo Setup]\nMasterProfile=1\n"
            "[Page Setup]\nPrintOptions=3846\nPageMargins=50,50,50,50\n"  // 0xF06
            "[Titles]\nTitles=2\nTitle1=TITLE ONE\nTitle2=TITLE TWO\n"
            "[MRU Search]\nTexts=1\nText1=body line 3\n");
  const std::string text = PrintedFile();
  dir.Write("print.txt", text);
  ASSERT_TRUE(WriteFileText(outWindows + "\\out.expected.txt", ExpectedPages(text)));

  // The test printer's pipe writes to $TARVO_PRINT_OUT, which the test
  // command's environment sets to out.ps there.
  ProgramUnderTest tarvo(exe, "print.txt", dir.path());
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - print.txt"; }));
  DWORD_PTR answer;
  auto command = [&](int id) {
    return SendMessageTimeoutA(main, WM_COMMAND, id, 0, SMTO_NORMAL, 20000, &answer) != 0;
  };
  ASSERT_TRUE(command(IDM_FIND_NEXT));    // the stored search selects "body line 3"
  ASSERT_TRUE(command(IDM_MARK_TOGGLE));  // and its line is tagged

  PostMessageA(main, WM_COMMAND, IDM_FIND_TEXT, 0);
  HWND find = tarvo.WaitForWindow("#32770");
  ASSERT_NE(find, nullptr) << "no Find Text dialog";
  SendDlgItemMessageA(find, IDC_TEXT_COMBO, CB_SETCURSEL, static_cast<WPARAM>(-1),
                      0);  // typed, not the recent entry
  SetDlgItemTextA(find, IDC_TEXT_COMBO, "body line 17");
  PostMessageA(find, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(find); }));
  // Answered once the dialog's command has returned, so its search, posted
  // then, comes before the print command posted next.
  ASSERT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer));

  PostMessageA(main, WM_COMMAND, IDM_PRINT, 0);
  HWND print = tarvo.WaitForWindow("#32770");
  ASSERT_NE(print, nullptr) << "no Print dialog";
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(print) != FALSE; }));
  SendMessageA(GetDlgItem(print, kAllRadio), BM_CLICK, 0, 0);
  PostMessageA(print, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(print); }, 20000));
  ASSERT_TRUE(WaitForFile(outWindows + "\\out.ps", 20000)) << "the printer wrote nothing";
  ASSERT_TRUE(WaitFor(
      [&] { return IsWindowEnabled(main) && !FindWindowA(nullptr, "Printing File"); }, 60000));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);  // the job's file is complete once the program is gone
}

// Cancel in the progress dialog ends a long job within a page, leaves the
// main window enabled, says nothing, and the next print works.
TEST(PrintE2E, CancelEndsTheJobAndTheNextPrintWorks) {
  TempFolder dir;
  const std::string outWindows = WinePathOf(TARVO_PRINT_UNIX_DIR);
  CreateDirectoryA(outWindows.c_str(), nullptr);
  const std::string exe = dir.path() + "\\TARVO.EXE";
  ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  dir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n[Page Setup]\nPrintOptions=256\n");
  std::string text;  // 300 pages of two lines
  for (int page = 1; page <= 300; ++page)
    text += "page " + std::to_string(page) + "\r\nsecond line\r\n\f";
  dir.Write("long.txt", text);
  const std::string ps = outWindows + "\\cancel.ps";  // TARVO_PRINT_OUT of this test
  DeleteFileA(ps.c_str());

  ProgramUnderTest tarvo(exe, "long.txt", dir.path());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - long.txt"; }));
  PostMessageA(main, WM_COMMAND, IDM_PRINT_FILE, 0);
  HWND progress = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (progress = FindWindowA(nullptr, "Printing File")) != nullptr; }));
  char page[64] = "";
  ASSERT_TRUE(WaitFor([&] {
    GetDlgItemTextA(progress, IDC_PRINT_PROGRESS, page, sizeof page);
    return std::string(page).rfind("Printing page ", 0) == 0;
  }));
  PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(progress) && IsWindowEnabled(main); }, 20000))
      << "the job went on after Cancel";
  EXPECT_EQ(WaitForMessageBox(tarvo.processId(), "Tarvo", "", 500), nullptr)
      << "a cancelled job says nothing";

  DWORD_PTR answer;
  ASSERT_TRUE(
      SendMessageTimeoutA(main, WM_COMMAND, IDM_PRINT_PAGE, 0, SMTO_NORMAL, 20000, &answer));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
  const std::string printed = ReadFileText(ps);
  size_t pages = 0;
  for (size_t at = 0; (at = printed.find("%%Page:", at)) != std::string::npos; ++at) ++pages;
  EXPECT_EQ(pages, 1u) << "Print Page after the cancelled job";
}

// TARVODDE.EXE's Print and Print Tags reach a viewer started with /D and
// print without a dialog: the whole file, then only its tagged lines.
TEST(PrintE2E, DdePrintsTheFileAndItsTags) {
  TempFolder dir;
  const std::string outWindows = WinePathOf(TARVO_PRINT_UNIX_DIR) + "\\dde";
  CreateDirectoryA(WinePathOf(TARVO_PRINT_UNIX_DIR).c_str(), nullptr);
  CreateDirectoryA(outWindows.c_str(), nullptr);
  const std::string exe = dir.path() + "\\TARVO.EXE";
  ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  dir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n[Page Setup]\nPrintOptions=256\n");
  dir.Write("dde.txt", "first\r\ntagged one\r\nsecond\r\n\fthird\r\ntagged two\r\n");
  ASSERT_TRUE(WriteFileText(outWindows + "\\dde.expected.txt",
                            "first\ntagged one\nsecond\n\fthird\ntagged two\n\f"));
  ASSERT_TRUE(WriteFileText(outWindows + "\\dde-tags.expected.txt", "tagged one\ntagged two\n\f"));
  const std::string job = outWindows + "\\job.ps";  // TARVO_PRINT_OUT of this test
  auto client = [&](const char* execute) {
    ProgramUnderTest tarvodde(BuiltProgram("TARVODDE.EXE"), execute, dir.path());
    return tarvodde.WaitForExit(60000);
  };
  // Each job's file is complete when its trailer has come through the pipe.
  auto keepJob = [&](const char* name) {
    const bool complete =
        WaitFor([&] { return ReadFileText(job).find("%%EOF") != std::string::npos; }, 60000);
    return complete &&
           MoveFileExA(job.c_str(), (outWindows + "\\" + name).c_str(), MOVEFILE_REPLACE_EXISTING);
  };
  DeleteFileA(job.c_str());

  ProgramUnderTest tarvo(exe, "/D dde.txt", dir.path());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "Tarvo - dde.txt"; }));
  ASSERT_EQ(client("-w 20 [Print]"), 0);
  ASSERT_TRUE(keepJob("dde.ps")) << "the whole file was not printed";
  ASSERT_EQ(client("[Find tagged All][Print Tags]"), 0);
  ASSERT_TRUE(keepJob("dde-tags.ps")) << "the tagged lines were not printed";
  EXPECT_EQ(client("[Exit]"), 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

namespace {
// A viewer started with /D on a file of its own, and TARVODDE.EXE beside it;
// the job's file is the one TARVO_PRINT_OUT names in the test's environment.
class DdeDrivenPrint : public ::testing::Test {
 protected:
  void Start(const std::string& text, const char* job) {
    CreateDirectoryA(outWindows_.c_str(), nullptr);
    job_ = outWindows_ + "\\" + job;
    DeleteFileA(job_.c_str());
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n[Page Setup]\nPrintOptions=256\n");
    dir_.Write("script.txt", text);
    tarvo_ = std::make_unique<ProgramUnderTest>(exe_, "/D script.txt", dir_.path());
    main_ = tarvo_->WaitForWindow("TARVO");
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main_) == "Tarvo - script.txt"; }));
  }
  int Client(const char* execute) {
    ProgramUnderTest tarvodde(BuiltProgram("TARVODDE.EXE"), execute, dir_.path());
    return tarvodde.WaitForExit(60000);
  }
  // The pages of the job once its trailer has come through the pipe.
  int PrintedPages() const {
    std::string ps;
    WaitFor([&] { return (ps = ReadFileText(job_)).find("%%EOF") != std::string::npos; }, 60000);
    int pages = 0;
    for (size_t at = 0; (at = ps.find("%%Page:", at)) != std::string::npos; ++at) ++pages;
    return pages;
  }

  TempFolder dir_;
  const std::string exe_ = dir_.path() + "\\TARVO.EXE";
  const std::string outWindows_ = WinePathOf(TARVO_PRINT_UNIX_DIR);
  std::string job_;
  std::unique_ptr<ProgramUnderTest> tarvo_;
  HWND main_ = nullptr;
};
}  // namespace

// The README's example: the tagged line of the selection prints, then the
// viewer ends.
TEST_F(DdeDrivenPrint, TheReadmeScriptPrintsTheTagsAndEndsTheViewer) {
  Start("fine\r\nan error here\r\nfine again\r\nanother error\r\n", "readme.ps");
  ASSERT_EQ(Client("[Find error All]"), 0);  // the user's tags
  EXPECT_EQ(Client("[Find error Top][Print Tags][Exit]"), 0);
  EXPECT_EQ(tarvo_->WaitForExit(60000), 0) << "the viewer still runs";
  EXPECT_EQ(PrintedPages(), 1);
}

// While a job runs, DDE commands that would start another or close the
// window are not processed, and a close waits until the job has ended. The
// job is far too long to end by itself while the test runs: Cancel ends it.
TEST_F(DdeDrivenPrint, AJobRunsAloneAndACloseWaitsForIt) {
  constexpr int kPages = 100000;
  std::string text;
  for (int page = 1; page <= kPages; ++page)
    text += (page > 1 ? "\fpage " : "page ") + std::to_string(page) + "\r\n";
  Start(text, "alone.ps");
  ASSERT_EQ(Client("[Print]"), 0);
  HWND progress = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (progress = FindWindowA(nullptr, "Printing File")) != nullptr; },
                      20000));
  EXPECT_EQ(Client("[Print]"), 1);
  EXPECT_EQ(Client("[Exit]"), 1);
  PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo_->WaitForExit(1000), -1) << "the close did not wait for the job";
  ASSERT_TRUE(IsWindow(progress)) << "the job ended by itself";
  PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(tarvo_->WaitForExit(60000), 0) << "the close held back came once the job ended";
}
