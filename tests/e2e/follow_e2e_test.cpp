// Follow seen from outside: TARVO.EXE started with /F shows a log that this
// process writes while it is viewed.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/screen_shot.h"
#include "tests/support/clipboard_text.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewer/resources/resource_ids.h"

namespace {
std::string Lines(const char* word, int from, int to) {
  std::string text;
  for (int n = from; n <= to; ++n)
    text += std::string(word) + " line " + std::to_string(n) + "\r\n";
  return text;
}

// The log as a writer keeps it: shared with readers, each line one write.
class Log {
 public:
  explicit Log(const std::string& path)
      : file_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    SetFilePointer(file_, 0, nullptr, FILE_END);
  }
  ~Log() { CloseHandle(file_); }
  bool ok() const { return file_ != INVALID_HANDLE_VALUE; }
  void Write(const std::string& text) const {
    DWORD written = 0;
    WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
  void Truncate() const {
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(file_);
  }

 private:
  HANDLE file_;
};

// The line a click on the row at y selects, as Copy gives it.
std::string LineAt(HWND main, int y) {
  const RemoteViewer viewer(main);
  viewer.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, y));
  viewer.Send(WM_LBUTTONUP, 0, MAKELPARAM(40, y));
  EmptyTheClipboard();
  viewer.Send(WM_COMMAND, IDM_COPY);
  return ClipboardText();
}

// The height of a row: where a click first selects the second line.
int RowHeight(HWND main) {
  const std::string top = LineAt(main, 2);
  int y = 3;
  while (y < 100 && LineAt(main, y) == top) ++y;
  return y;
}

// The middle of the last row that the window shows whole.
int BottomRow(HWND main) {
  RECT r;
  GetClientRect(main, &r);
  const int row = RowHeight(main);
  return (r.bottom / row - 1) * row + row / 2;
}

// The colour at (x, y) of the client area, as the screen shows it.
DWORD ClientPixel(HWND main, int x, int y) {
  POINT p{x, y};
  ClientToScreen(main, &p);
  const std::vector<BYTE> pixels = ScreenPixels(RECT{p.x, p.y, p.x + 1, p.y + 1});
  return pixels.size() < 4 ? 0 : pixels[0] | pixels[1] << 8 | pixels[2] << 16;
}

std::string Title(HWND main) {
  char text[300] = "";
  GetWindowTextA(main, text, sizeof text);
  return text;
}

// A picture of the window without the selection the clicks left.
bool Shot(HWND main, const char* file) {
  const std::string folder = WinePathOf(TARVO_SHOTS_UNIX_PATH);
  CreateDirectoryA(folder.c_str(), nullptr);
  RemoteViewer(main).Send(WM_COMMAND, IDM_UNSELECT);
  RECT r;
  GetClientRect(main, &r);
  WaitFor([&] { return ClientPixel(main, r.right - 30, 2) != 0; }, 2000);  // painted
  return SaveWindowShot(main, folder + "\\" + file);
}

struct Viewer {
  TempFolder dir;
  std::string log = dir.path() + "\\app.log";
  std::unique_ptr<ProgramUnderTest> tarvo;
  HWND main = nullptr;

  explicit Viewer(const std::string& start) {
    const std::string exe = dir.path() + "\\TARVO.EXE";
    EXPECT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
    dir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n");
    dir.Write("app.log", start);
    tarvo = std::make_unique<ProgramUnderTest>(exe, "/F app.log", dir.path());
    main = tarvo->WaitForWindow("TARVO");
  }
  ~Viewer() {
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    tarvo->WaitForExit();
  }
};
}  // namespace

TEST(FollowE2E, ALogWrittenAtAHundredLinesASecondIsShownToItsLastLineEachLineOnce) {
  Viewer v(Lines("log", 1, 5));
  ASSERT_NE(v.main, nullptr);
  ASSERT_TRUE(RemoteViewer(v.main).TopLineBecomes("log line 1"));
  const Log log(v.log);
  ASSERT_TRUE(log.ok());

  constexpr int kLines = 1000;
  std::thread writer([&] {
    const DWORD began = GetTickCount();
    for (int n = 6; n <= kLines; ++n) {
      while (GetTickCount() - began < static_cast<DWORD>(10 * (n - 5))) Sleep(1);
      log.Write(Lines("log", n, n));
    }
  });
  bool waited = false;  // the view fell behind: the title counted lines
  const DWORD began = GetTickCount();
  while (GetTickCount() - began < 10500) {
    waited = waited || Title(v.main).find("new line") != std::string::npos;
    Sleep(50);
  }
  writer.join();

  ASSERT_TRUE(
      WaitFor([&] { return LineAt(v.main, BottomRow(v.main)) == "log line 1000\r\n"; }, 5000))
      << "the bottom row shows " << LineAt(v.main, BottomRow(v.main));
  EXPECT_TRUE(Shot(v.main, "follow_end.png"));
  EXPECT_FALSE(waited) << "the view kept to the end while the log grew";
  EXPECT_EQ(Title(v.main), "Tarvo - app.log");
  RemoteViewer(v.main).Send(WM_COMMAND, IDM_SELECT_ALL);
  EXPECT_EQ(RemoteViewer(v.main).Copied(), Lines("log", 1, kLines)) << "every line once";
}

TEST(FollowE2E, NewLinesWaitInTheTitleAndARewrittenLogStartsAgainAtTheTop) {
  Viewer v(Lines("old", 1, 200));
  ASSERT_NE(v.main, nullptr);
  ASSERT_TRUE(RemoteViewer(v.main).TopLineBecomes("old line 1"));
  const Log log(v.log);
  ASSERT_TRUE(log.ok());

  // Scrolled up (the file's top is shown): the view stays, the title counts.
  log.Write(Lines("old", 201, 230));
  ASSERT_TRUE(WaitFor([&] { return Title(v.main) == "Tarvo - app.log (30 new lines)"; }, 5000))
      << Title(v.main);
  EXPECT_EQ(LineAt(v.main, 2), "old line 1\r\n");
  EXPECT_TRUE(Shot(v.main, "follow_waiting.png"));

  const int row = RowHeight(v.main);
  log.Truncate();
  log.Write(Lines("new", 1, 3));
  ASSERT_TRUE(WaitFor([&] { return Title(v.main) == "Tarvo - app.log"; }, 5000)) << Title(v.main);
  // The message line's colours fill the top row; the file's first line is
  // under it.
  auto messageOnTop = [&] {
    return ClientPixel(v.main, 300, row / 2) != ClientPixel(v.main, 300, 2 * row + row / 2) &&
           LineAt(v.main, row + row / 2) == "new line 1\r\n";
  };
  ASSERT_TRUE(WaitFor(messageOnTop, 5000))
      << "the second row shows " << LineAt(v.main, row + row / 2);
  EXPECT_TRUE(Shot(v.main, "follow_again.png"));
}
