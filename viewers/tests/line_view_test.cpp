// What both viewer libraries do alike: open, status, size, find answers,
// selection and copy, the messages they do not support.
#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/viewer_host.h"

namespace {
struct Library {
  const char* Dll;
  const char* Class;
  int Type;
  const char* Needle;   // what ZV_FIND gets for "needle"
  const char* Missing;  // what no file below holds
};
const Library kLibraries[] = {
    {kTextLibrary.Library, kTextLibrary.WindowClass, 0, "needle", "thread"},
    {kHexLibrary.Library, kHexLibrary.WindowClass, 1, "6E 65 65 64 6C 65", "7468726561"},
};
void PrintTo(const Library& library, std::ostream* out) { *out << library.Dll; }

class LineViewTest : public testing::TestWithParam<Library> {
 protected:
  TempFolder dir;
  ViewerHost host{GetParam().Dll, GetParam().Class};
  std::string file = dir.Write("f.txt", "one needle\r\ntwo\r\nthree needle\r\n");

  LRESULT Find(const char* text, bool matchCase = false) const {
    return host.Send(ZV_FIND, matchCase, reinterpret_cast<LPARAM>(text));
  }
};

TEST_P(LineViewTest, FindAnswersFoundThenNoFurtherAndNoMatch) {
  ASSERT_NE(host.Open(file, GetParam().Type), 0);
  EXPECT_EQ(Find(GetParam().Needle), 1);
  EXPECT_EQ(Find(GetParam().Needle), 1);
  EXPECT_EQ(Find(GetParam().Needle), kFindNoFurther);
  EXPECT_EQ(Find(GetParam().Missing), kFindNoMatch);
  host.Send(ZV_FINDOPENING);
  EXPECT_EQ(Find(GetParam().Needle), 1) << "a find dialog starts again at the top";
}

TEST_P(LineViewTest, ClickSelectsALineAndCopyPutsItOnTheClipboard) {
  ASSERT_NE(host.Open(file, GetParam().Type), 0);
  EXPECT_EQ(host.Copy(), "") << "nothing selected yet";
  host.ClickRow(0);
  EXPECT_TRUE(host.hasSelection());
  std::string first = host.Copy();
  EXPECT_NE(first.find("one"), std::string::npos) << first;
  EXPECT_EQ(first.find("\r\n"), std::string::npos) << "one line: " << first;
  host.Send(ZV_SELECTALL);
  EXPECT_NE(host.Copy().find("three"), std::string::npos);
  EXPECT_EQ(host.selectionReports(), 1) << "told only when a selection comes into being";
}

TEST_P(LineViewTest, WindowsOfOneLibraryKeepTheirOwnFileAndFindPosition) {
  ViewerHost other{GetParam().Dll, GetParam().Class};
  ASSERT_NE(host.Open(file, GetParam().Type), 0);
  ASSERT_NE(other.Open(dir.Write("g.txt", "nothing here\r\n"), GetParam().Type), 0);
  EXPECT_EQ(Find(GetParam().Needle), 1);
  EXPECT_EQ(other.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(GetParam().Needle)), kFindNoMatch);
  EXPECT_EQ(Find(GetParam().Needle), 1);
  EXPECT_EQ(other.Send(ZV_FILESIZE), 14);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, LineViewTest, testing::ValuesIn(kLibraries),
                         [](const auto& info) { return std::string(info.param.Class); });
}  // namespace
