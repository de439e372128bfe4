// A running TARVO.EXE indexes the pages of the file it shows into a
// temporary file, which is checked byte for byte; Go To then reaches a page
// through its dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {
// Pages of numbered lines; page 4 starts at offset 8192, so its line end
// ends the viewer's first chunk and its form feed starts the next; page 5
// follows a bare LF; a form feed inside a line starts nothing.
std::string PagedText() {
  std::string text;
  auto lines = [&](int page, int count) {
    for (int line = 1; line <= count; ++line)
      text += "page " + std::to_string(page) + " line " + std::to_string(line) + "\r\n";
  };
  lines(1, 100);
  text += "\fpage 2 has a \f inside\r\n";
  lines(2, 100);
  text += "\f";
  lines(3, 100);
  text += std::string(8192 - 2 - text.size(), '.') + "\r\n";
  text += "\f";
  lines(4, 50);
  text += "page 4 ends with a bare LF\n\f";
  lines(5, 30);
  return text;
}

// The index file a complete scan must leave, worked out from the bytes.
std::string ExpectedIndex(const std::string& text) {
  std::vector<size_t> starts{0};
  for (size_t i = 1; i < text.size(); ++i)
    if (text[i] == '\f' && (text[i - 1] == '\n' || text[i - 1] == '\r')) starts.push_back(i);
  auto word = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  std::string index = "TRX\x1A" + word(static_cast<uint32_t>(starts.size()));
  for (size_t start : starts) index += word(static_cast<uint32_t>(start)) + word(0);
  return index;
}

// The viewer's index file in its temporary folder once its header counts
// the pages; "" until then.
std::string CompletedIndex(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\TRU*.tmp").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return "";
  FindClose(find);
  std::string index = ReadFileText(folder + "\\" + found.cFileName);
  return index.size() >= 8 && index.compare(4, 4, std::string(4, '\0')) != 0 ? index : "";
}
}  // namespace

TEST(PageIndexE2E, TheIndexFileHoldsThePageStartsAndGoToReachesAPage) {
  TempFolder dir, temp;
  const std::string exe = dir.path() + "\\TARVO.EXE";
  ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  dir.Write("TARVO.INI", "[Tarvo Setup]\nMasterProfile=1\n");
  const std::string text = PagedText();
  dir.Write("pages.txt", text);

  // The viewer inherits its temporary folder from here.
  char savedTmp[MAX_PATH] = "", savedTemp[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", savedTmp, MAX_PATH);
  GetEnvironmentVariableA("TEMP", savedTemp, MAX_PATH);
  SetEnvironmentVariableA("TMP", temp.path().c_str());
  SetEnvironmentVariableA("TEMP", temp.path().c_str());
  ProgramUnderTest tarvo(exe, "pages.txt", dir.path());
  SetEnvironmentVariableA("TMP", savedTmp);
  SetEnvironmentVariableA("TEMP", savedTemp);
  ASSERT_TRUE(tarvo.started());
  HWND main = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main, nullptr);

  std::string index;
  ASSERT_TRUE(WaitFor([&] { return !(index = CompletedIndex(temp.path())).empty(); }, 20000))
      << "no complete index file in " << temp.path();
  EXPECT_EQ(index, ExpectedIndex(text));

  RemoteViewer viewer(main);
  ASSERT_TRUE(viewer.TopLineBecomes("page 1 line 1"));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
  EXPECT_EQ(CompletedIndex(temp.path()), "") << "the index file is deleted at the end";
}
