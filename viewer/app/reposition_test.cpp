// The main window in-process: opening a file fills the line table, moves
// put the right line at the top, and a file that vanished shows the
// program-error report until Home finds it again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/main_window_fixture.h"
#include "tests/support/window_polling.h"
#include "viewer/app/app_state.h"
#include "viewer/app/paint.h"
#include "viewer/app/startup.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/program_profile.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
// A profile with no keys that forgets what is written.
class EmptyProfile : public ProfileStore {
 public:
  int GetString(const char*, const char*, const char* def, char* buf, int size) override {
    lstrcpynA(buf, def ? def : "", size);
    return lstrlenA(buf);
  }
  bool WriteString(const char*, const char*, const char*) override { return true; }
};

int WINAPI UnexpectedBox(HWND, LPCSTR text, LPCSTR caption, UINT) {
  ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
  return IDCANCEL;
}

struct Line {
  FileOffset offset = -1;
  std::string text;
  int32_t flags = 0;
};

Line TopLine() {
  ViewLock lock;
  Line l;
  if (!lock.ok()) return l;
  const LineEntry& e = gLines.Entries[gLines.Acur];
  l.offset = e.Offset;
  l.text.assign(gText.Base + e.TextOffset, e.Length < 0 ? 0 : e.Length);
  l.flags = e.Flags;
  return l;
}

class RepositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProfileStore(&profile_);
    gMessageBox = UnexpectedBox;
    hwnd_ = CreateViewerWindow();
    ASSERT_NE(hwnd_, nullptr);
    gView.FormatLength = 80;
    gView.LinesPerScreen = 20;
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    GetTempFileNameA(dir, "TRV", 0, path_);
    for (int i = 0; i < 5000; ++i) content_ += "line " + std::to_string(i) + "\r\n";
    WriteFile();
  }
  void TearDown() override {
    if (hwnd_) DestroyWindow(hwnd_);
    PumpMessages();
    DeleteFileA(path_);
    gMessageBox = MessageBoxA;
  }
  void WriteFile() {
    HANDLE h = CreateFileA(path_, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(h, content_.data(), static_cast<DWORD>(content_.size()), &written, nullptr);
    CloseHandle(h);
  }
  int32_t OffsetOf(int line) const {
    return static_cast<int32_t>(content_.find("line " + std::to_string(line) + "\r\n"));
  }
  void Open(const char* path = nullptr) {
    SendMessageA(hwnd_, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(path ? path : path_));
    ASSERT_TRUE(WaitFor([] { return gLines.Alast > gLines.Acur; }, 10000))
        << "the table was not filled";
    // The page index reads the file with a handle of its own while it
    // scans: it is stopped, so the tests may change or delete the file.
    SendMessageA(hwnd_, PG_STOP, 0, 0);
  }

  EmptyProfile profile_;
  HWND hwnd_ = nullptr;
  char path_[MAX_PATH] = "";
  std::string content_;
};
}  // namespace

TEST_F(RepositionTest, OpeningAFileFillsTheLineTable) {
  Open();
  Line top = TopLine();
  EXPECT_EQ(top.offset, 0);
  EXPECT_EQ(top.text, "line 0");
  EXPECT_EQ(gLines.Acur, 0);
  EXPECT_GT(gLines.Alast, 700);
  EXPECT_EQ(gFile.Flen, static_cast<int32_t>(content_.size()));
}

TEST_F(RepositionTest, ShowOffsetAndGoToByteMoveTheTopLine) {
  Open();
  SendMessageA(hwnd_, VW_SHOWOFFSET, 0, OffsetOf(300));  // inside the table
  EXPECT_EQ(TopLine().text, "line 300");
  SendMessageA(hwnd_, VW_SHOWOFFSET, static_cast<WPARAM>(-1), -1);
  EXPECT_EQ(TopLine().text, "line 299");
  SendMessageA(hwnd_, VW_GOTOBYTE, 0, OffsetOf(4000) + 6);  // inside a line, beyond the table
  Line top = TopLine();
  EXPECT_EQ(top.offset, OffsetOf(4000));
  EXPECT_EQ(top.text, "line 4000");
  SendMessageA(hwnd_, VW_SHOWOFFSET, 0, static_cast<LPARAM>(content_.size()));
  EXPECT_EQ(TopLine().text, "line 4999");
}

// Targets below 2 GiB travel in lParam, larger ones in the pending target,
// which serves one message.
TEST_F(RepositionTest, TargetsBeyond2GiBTravelInThePendingTarget) {
  TempFolder dir;
  const FileOffset size = FileOffset{5} << 30, three = FileOffset{3} << 30;
  const std::string end = "\r\nthe end\r\n";
  const std::string huge = dir.WriteSparse("huge.txt", size,
                                           {{0, "first\r\n"},
                                            {three - 2, "\r\nthree GiB\r\n"},
                                            {size - static_cast<FileOffset>(end.size()), end}});
  ASSERT_FALSE(huge.empty());
  Open(huge.c_str());
  EXPECT_EQ(TargetParam(INT32_MAX), INT32_MAX);
  EXPECT_EQ(TargetParam(three), VW_TARGET_PENDING);
  SendMessageA(hwnd_, VW_GOTOBYTE, 0, TargetParam(three));
  Line top = TopLine();
  EXPECT_EQ(top.offset, three);
  EXPECT_EQ(top.text, "three GiB");
  PostMessageA(hwnd_, VW_SHOWOFFSET, 0, TargetParam(three + 11));
  PostMessageA(hwnd_, VW_SHOWOFFSET, 0, TargetParam(size));  // replaces the pending target
  PumpMessages();
  EXPECT_EQ(TopLine().text, "the end");
  EXPECT_EQ(gView.PendingTarget, -1);
  SendMessageA(hwnd_, VW_SHOWOFFSET, 0, 3);
  EXPECT_EQ(TopLine().text, "first");
}

TEST_F(RepositionTest, VanishedFileShowsTheErrorReportUntilHome) {
  Open();
  ASSERT_TRUE(DeleteFileA(path_));
  SendMessageA(hwnd_, VW_GOTOBYTE, 0, OffsetOf(10));
  Line top = TopLine();
  EXPECT_EQ(top.text, "*****************************************");
  EXPECT_TRUE(top.flags & LF_MESSAGE);
  {
    ViewLock lock;
    ASSERT_TRUE(lock.ok());
    ASSERT_EQ(gLines.Alast, 10);
    const LineEntry& e = gLines.Entries[1];
    EXPECT_EQ(std::string(gText.Base + e.TextOffset, e.Length), "* PROGRAM ERROR OCCURRED");
  }
  WriteFile();
  SendMessageA(hwnd_, VW_SHOWOFFSET, 0, 0);
  top = TopLine();
  EXPECT_EQ(top.text, "line 0");
  EXPECT_EQ(top.flags, 0);
}

TEST_F(RepositionTest, EndOnAFileThatGrewShowsItsNewEnd) {
  Open();
  content_ += "written while viewed\r\n";
  WriteFile();
  SendMessageA(hwnd_, WM_VSCROLL, SB_BOTTOM, 0);
  PumpMessages();
  ViewLock lock;
  ASSERT_TRUE(lock.ok());
  EXPECT_EQ(gLines.Entries[gLines.Alast].Offset, static_cast<int32_t>(content_.size()));
  const LineEntry& last = gLines.Entries[gLines.Alast - 1];
  EXPECT_EQ(std::string(gText.Base + last.TextOffset, last.Length), "written while viewed");
}

TEST_F(RepositionTest, AReportThatComesAgainIsPaintedWholeNotScrolledIn) {
  Open();
  ASSERT_TRUE(DeleteFileA(path_));
  for (int code : {SB_BOTTOM, SB_PAGEUP, SB_LINEUP}) {
    SendMessageA(hwnd_, WM_VSCROLL, code, 0);
    PumpMessages();
    UpdateWindow(hwnd_);
    EXPECT_EQ(LastPaintRows(), gLines.Alast - gLines.Acur) << "after scroll code " << code;
    EXPECT_EQ(TopLine().text, "*****************************************");
  }
}
