// The page index on the real main window: opening a file indexes it through
// timer 3 into a temporary file; what the user is told when it fails.
#include "viewer/navigation/page_index_requests.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/main_window_fixture.h"
#include "viewer/navigation/page_index.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/open_file.h"

namespace {
struct Box {
  HWND owner;
  std::string text, caption;
  UINT type;
};
std::vector<Box> gBoxes;
int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  gBoxes.push_back({owner, text, caption, type});
  return IDOK;
}
class PageIndexWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    profileText_ = "[Tarvo Setup]\nPageIndexingBuffer=16\nPageIndexingDelay=10\n";
    MainWindowTest::SetUp();
    gBoxes.clear();
    gMessageBox = RecordBox;
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    gMessageBox = MessageBoxA;
  }
  bool WaitForIndex() {
    return WaitFor([] { return gPageIndex.State != PG_ACTIVE; });
  }
};

TEST_F(PageIndexWindowTest, OpeningAFileIndexesItsPagesIntoATemporaryFile) {
  std::string text = "first\r\n\fsecond\n\fthird";
  for (int i = 0; i < 200; ++i) text += "\r\nline of the third page";
  text += "\r\n\ffourth";
  OpenName(folder_.Write("pages.txt", text));
  ASSERT_TRUE(WaitForIndex());
  EXPECT_EQ(gPageIndex.State, PG_DONE);
  const std::string index = gPageIndex.IndexPath;
  const size_t name = index.rfind('\\') + 1;
  EXPECT_EQ(index.substr(name, 3), "TRU") << index;

  std::string expected("TRX\x1A\x04\0\0\0", 8);
  for (size_t offset : {size_t{0}, size_t{7}, size_t{15}, text.size() - 7}) {
    expected += std::string(8, '\0');
    for (int i = 0; i < 4; ++i)
      expected[expected.size() - 8 + i] = static_cast<char>(offset >> (8 * i));
  }
  EXPECT_EQ(ReadFileText(index), expected);  // before the header is spoilt below
  EXPECT_EQ(LookUpPage(4, PageIndexAvailablePages(gPageIndex)),
            static_cast<FileOffset>(text.size() - 7));
  HANDLE file = reinterpret_cast<HANDLE>(gPageIndex.IndexFile);
  DWORD written = 0;
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  WriteFile(file, "TRY", 3, &written, nullptr);
  EXPECT_EQ(LookUpPage(4, 0), kPageReadFailed);
  ASSERT_EQ(gBoxes.size(), 1u);
  EXPECT_EQ(gBoxes[0].text, "Index file corrupted.");
  EXPECT_EQ(gBoxes[0].caption, "Program Error");
  EXPECT_EQ(gBoxes[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(gBoxes[0].owner, nullptr);
  gBoxes.clear();

  OpenNumberedLines(3);  // another file: the old index goes, a new one is made
  EXPECT_FALSE(FileExists(index));
  ASSERT_TRUE(WaitForIndex());
  const std::string second = gPageIndex.IndexPath;
  EXPECT_TRUE(FileExists(second));
  Command(IDM_CLOSE);
  EXPECT_FALSE(FileExists(second));
  EXPECT_EQ(PageIndexAvailablePages(gPageIndex), -1);
  EXPECT_TRUE(gBoxes.empty());
}

TEST_F(PageIndexWindowTest, FailuresAreReportedAsDesigned) {
  const std::string path = folder_.Write("one.txt", "one page");
  const std::string noFolder = folder_ / "no such folder";
  char temp[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", temp, sizeof temp);
  SetEnvironmentVariableA("TMP", noFolder.c_str());
  strcpy(gFile.Path, path.c_str());
  SendMessageA(hwnd_, PG_START, 0, 0);  // no temporary file can be made there
  SetEnvironmentVariableA("TMP", temp[0] ? temp : nullptr);
  EXPECT_EQ(gPageIndex.State, PG_IDLE);

  strcpy(gFile.Path, (path + ".gone").c_str());
  SendMessageA(hwnd_, PG_START, 0, 0);
  EXPECT_EQ(gPageIndex.State, PG_IDLE);
  EXPECT_EQ(gPageIndex.IndexPath[0], '\0');  // its temporary file deleted again

  strcpy(gFile.Path, path.c_str());
  SendMessageA(hwnd_, PG_START, 0, 0);
  ASSERT_EQ(gPageIndex.State, PG_ACTIVE);
  CloseHandle(reinterpret_cast<HANDLE>(gPageIndex.SourceFile));  // the scan's file goes bad
  SendMessageA(hwnd_, PG_CONT, 0, 0);
  EXPECT_EQ(gPageIndex.State, PG_IDLE);
  PageIndexRequest(hwnd_, PG_CONT);
  PageIndexRequest(hwnd_, WM_USER + 99);

  const UINT hand = MB_OK | MB_ICONHAND;
  const std::vector<Box> expected = {
      {hwnd_, "Cannot open temp file:\n" + noFolder + "\\", "Program Error",
       MB_OK | MB_ICONEXCLAMATION},
      {hwnd_, "Cannot open file:\n" + path + ".gone", "Program Error", MB_OK | MB_ICONEXCLAMATION},
      {nullptr, "Seek error.\n\nPage indexing failed, [GoTo page] command will not be available",
       "Tarvo Page Indexing", MB_OK},
      {nullptr, "PG_CONT while not PG_ACTIVE", "Program error", hand},
      {nullptr, "Unknown message code: 463", "Program error", hand},
  };
  ASSERT_EQ(gBoxes.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(gBoxes[i].owner, expected[i].owner) << i;
    EXPECT_EQ(gBoxes[i].text, expected[i].text) << i;
    EXPECT_EQ(gBoxes[i].caption, expected[i].caption) << i;
    EXPECT_EQ(gBoxes[i].type, expected[i].type) << i;
  }
  EXPECT_EQ(gBeeps,
            (std::vector<UINT>{MB_ICONEXCLAMATION, MB_ICONEXCLAMATION, MB_ICONHAND, MB_ICONHAND}));
}

TEST_F(PageIndexWindowTest, ATickGivesWayToMessagesButNotToItsOwnTimer) {
  gSetupSettings.PageIndexingBuffer = 8192;
  gSetupSettings.PageIndexingDelay = 60000;
  // Each file's scan starts afresh with no timer, so that no tick runs
  // while the test pumps the messages of the open.
  auto startScan = [&] {
    KillTimer(hwnd_, IDT_PAGE_INDEX);
    PageIndexRequest(hwnd_, PG_START);
    UpdateWindow(hwnd_);
  };
  OpenName(folder_.Write("big.txt", std::string(1 << 20, 'x')));
  startScan();
  // Timer 3 at its minimum, and due.
  SetTimer(hwnd_, IDT_PAGE_INDEX, USER_TIMER_MINIMUM, nullptr);
  ASSERT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 5000, QS_TIMER), WAIT_OBJECT_0);
  SendMessageA(hwnd_, PG_CONT, 0, 0);
  EXPECT_EQ(gPageIndex.State, PG_DONE) << "stopped at " << gPageIndex.ScanPosition;

  OpenNumberedLines(200000);
  startScan();
  PostMessageA(hwnd_, WM_NULL, 0, 0);
  SendMessageA(hwnd_, PG_CONT, 0, 0);
  EXPECT_EQ(gPageIndex.State, PG_ACTIVE) << "a waiting message ends the tick";
  EXPECT_LT(gPageIndex.ScanPosition, 200000 * kNumberedLineBytes);
  MSG next;
  EXPECT_TRUE(PeekMessageA(&next, hwnd_, PG_CONT, PG_CONT, PM_REMOVE))
      << "the next tick follows the waiting message";
}
}  // namespace
