// A running TARVO.EXE on a sparse 5 GiB file whose last line is a marker:
// End, Find Text, Copy, Mark All and Select All reach past 4 GiB.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/support/clipboard_text.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
constexpr int64_t kFileSize = int64_t{5} << 30;
const std::string kMarker = "the marker line past five GiB";

class LargeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    dir_.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n");
    const std::string tail = "\r\n" + kMarker + "\r\n";
    file_ = dir_.WriteSparse("huge.log", kFileSize,
                             {{0, "first line\r\n"}, {kFileSize - int64_t(tail.size()), tail}});
    ASSERT_FALSE(file_.empty()) << "no sparse file";
    program_ = std::make_unique<ProgramUnderTest>(exe_, "huge.log", dir_.path());
    ASSERT_TRUE(program_->started());
    main_ = program_->WaitForWindow("TARVO");
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main_) == "Tarvo - huge.log"; }));
  }
  void TearDown() override {
    if (main_) {
      PostMessageA(main_, WM_CLOSE, 0, 0);
      EXPECT_EQ(program_->WaitForExit(), 0);
    }
    EXPECT_TRUE(file_.empty() || DeleteFileA(file_.c_str()));
  }
  bool Send(UINT msg, WPARAM wParam, LPARAM lParam = 0) { return viewer().Send(msg, wParam, lParam); }
  std::string Copied() { return viewer().Copied(); }
  std::string TopLine() { return viewer().TopLine(); }
  bool TopLineBecomes(const std::string& line) { return viewer().TopLineBecomes(line); }
  RemoteViewer viewer() const { return RemoteViewer(main_); }

  TempFolder dir_;
  std::string exe_, file_;
  std::unique_ptr<ProgramUnderTest> program_;
  HWND main_ = nullptr;
};
}  // namespace

TEST_F(LargeFile, EndFindMarkAllAndSelectAllReachPastFourGiB) {
  ASSERT_TRUE(TopLineBecomes("first line"));
  ASSERT_TRUE(Send(WM_KEYDOWN, VK_END));
  EXPECT_TRUE(TopLineBecomes(kMarker)) << "End shows the last line: " << TopLine();

  ASSERT_TRUE(Send(WM_KEYDOWN, VK_HOME));
  ASSERT_TRUE(TopLineBecomes("first line"));
  ASSERT_TRUE(Send(WM_COMMAND, IDM_UNSELECT));
  PostMessageA(main_, WM_COMMAND, IDM_FIND_TEXT, 0);
  HWND dialog = program_->WaitForWindow("#32770");
  ASSERT_NE(dialog, nullptr) << "no Find Text dialog";
  SetDlgItemTextA(dialog, IDC_TEXT_COMBO, kMarker.c_str());
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  // Copy gives the found line from the match on: the marker, exactly.
  EXPECT_TRUE(WaitFor([&] { return Copied() == kMarker + "\r\n"; }, 120000))
      << "Find Text: " << Copied();

  ASSERT_TRUE(Send(WM_COMMAND, IDM_MARK_ALL));
  ASSERT_TRUE(Send(WM_KEYDOWN, VK_HOME));
  ASSERT_TRUE(TopLineBecomes("first line"));
  ASSERT_TRUE(Send(WM_COMMAND, IDM_UNSELECT));
  ASSERT_TRUE(Send(WM_COMMAND, IDM_MARK_NEXT));
  EXPECT_TRUE(TopLineBecomes(kMarker)) << "Next Mark goes to the tag of Mark All: " << TopLine();

  ASSERT_TRUE(Send(WM_COMMAND, IDM_SELECT_ALL));
  EmptyTheClipboard();
  PostMessageA(main_, WM_COMMAND, IDM_COPY, 0);
  HWND box = WaitForMessageBox(program_->processId(), "Tarvo", "were copied", 20000);
  ASSERT_NE(box, nullptr) << "a copy of 5 GiB is cut and says so";
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(ClipboardText().substr(0, 12), "first line\r\n") << "Select All starts at offset 0";
}
