// ZRVWP32.DLL in a stand-in viewer window: it shows a document's
// paragraphs, copies them with CR LF between them, wraps them to the
// window (more lines when zoomed), finds from the last match on with or
// without case, and refuses the types it leaves to the text viewer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/documents/formats/test_documents.h"
#include "viewers/tests/viewer_host.h"

namespace {

const Paragraphs kLetter = {"Dear reader,", "", "Alpha\tbeta alpha ALPHA.", "Yours"};

std::string Joined(const Paragraphs& paragraphs) {
  std::string out;
  for (size_t i = 0; i < paragraphs.size(); ++i) out += (i ? "\r\n" : "") + paragraphs[i];
  return out;
}
std::string AsText(const DocumentBytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

int ScrollLines(HWND child) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE;
  GetScrollInfo(child, SB_VERT, &si);
  return si.nMax + 1;
}

class DocumentLibraryTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kWordProLibrary};
};

TEST_F(DocumentLibraryTest, ShowsEveryParagraphAndCopiesThemAll) {
  struct Case {
    const char* Name;
    DocumentBytes Bytes;
    int Type;
    const char* Status;
  };
  const Case cases[] = {
      {"a.txd", MakeBeAbDocument(kLetter), 26, "BE AB document, 4 paragraphs"},
      {"b.wp", MakeWpcDocument(kLetter, false), 5, "WPC document, 4 paragraphs"},
      {"c.wp", MakeWpcDocument(kLetter, true), 22, "WPC document, 4 paragraphs"},
      {"d.doc", MakePieceTableDocument(kLetter), 29, "Compound document, 4 paragraphs"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(host.Open(dir.Write(c.Name, AsText(c.Bytes)), c.Type), 0) << c.Name;
    EXPECT_EQ(host.Status(), c.Status);
    EXPECT_FALSE(host.hasSelection()) << "opening clears the selection";
    EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
    EXPECT_TRUE(host.hasSelection());
    EXPECT_EQ(host.Copy(), Joined(kLetter)) << c.Name;
  }
}

TEST_F(DocumentLibraryTest, WrapsToTheWindowAndZoomedWrapsToMoreLines) {
  const Paragraphs one = {std::string(400, 'w') + " " + std::string(60, 'x')};
  ASSERT_NE(host.Open(dir.Write("long.txd", AsText(MakeBeAbDocument(one))), 26), 0);
  const int plain = ScrollLines(host.child());
  EXPECT_GT(plain, 1) << "a paragraph wider than the window takes several lines";
  EXPECT_EQ(host.Send(ZV_ZOOM, kZoom5X), 1);
  EXPECT_GT(ScrollLines(host.child()), plain);
  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  EXPECT_EQ(host.Copy(), one[0]) << "wrapping leaves the text as it is";
}

TEST_F(DocumentLibraryTest, FindsFromTheLastMatchOnWithOrWithoutCase) {
  ASSERT_NE(host.Open(dir.Write("a.txd", AsText(MakeBeAbDocument(kLetter))), 26), 0);
  auto find = [&](bool matchCase, const char* text) {
    return host.Send(ZV_FIND, matchCase, reinterpret_cast<LPARAM>(text));
  };
  for (const char* match : {"Alpha", "alpha", "ALPHA"}) {
    EXPECT_EQ(find(false, "alpha"), 1);
    EXPECT_EQ(host.Copy(), match) << "the match is selected";
  }
  EXPECT_EQ(find(false, "alpha"), kFindNoFurther);
  EXPECT_EQ(find(true, "aLPHA"), kFindNoMatch);
  host.Send(ZV_FINDOPENING);
  EXPECT_EQ(find(true, "ALPHA"), 1);
  EXPECT_EQ(host.Copy(), "ALPHA");
}

TEST_F(DocumentLibraryTest, RefusesWhatItLeavesToTheTextViewer) {
  const std::string sam = dir.Write("a.sam", "[ver]\r\n\t4\r\n");
  for (int type : {0, 6, 17, 18}) EXPECT_EQ(host.Open(sam, type), 0) << type;
  EXPECT_EQ(host.Open(dir.Write("bad.wp", "\xFFWPC\xFF\xFF\xFF\x7F\x01\x0A"), 5), 0);
}

}  // namespace
