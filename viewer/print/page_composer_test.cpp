#include "viewer/print/page_composer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/memory_files.h"

namespace {
// Records what each page shows: "x,y:text" for lines, with "/tagged",
// "/heading", "/comment" and "/inverted" after it; "x,y=text" for texts
// that take only their width; "band y".
struct RecordingSink : PageSink {
  std::vector<std::vector<std::string>> pages;  // printed pages
  std::vector<std::string> progress;
  int ended = 0;
  int cancelAfterPages = -1;  // the user cancels once this many pages are done
  void Progress(int page, bool printed) override {
    progress.push_back((printed ? "print " : "skip ") + std::to_string(page));
  }
  bool StartPage() override {
    pages.emplace_back();
    return true;
  }
  bool EndPage() override { return ++ended > 0; }
  static std::string Colors(PrintColors c) {
    return c == PrintColors::kTagged    ? "/tagged"
           : c == PrintColors::kHeading ? "/heading"
           : c == PrintColors::kComment ? "/comment"
                                        : "";
  }
  void DrawLine(int32_t x, int32_t y, std::string_view text, PrintColors c, bool inv, bool wide) override {
    pages.back().push_back(std::to_string(x) + "," + std::to_string(y) + ":" + std::string(text) +
                           Colors(c) + (inv ? "/inverted" : "") + (wide ? "/wide" : ""));
  }
  void DrawText(int32_t x, int32_t y, std::string_view text, PrintColors c) override {
    pages.back().push_back(std::to_string(x) + "," + std::to_string(y) + "=" + std::string(text) +
                           Colors(c));
  }
  void DrawBand(int32_t y) override { pages.back().push_back("band " + std::to_string(y)); }
  int32_t TextWidth(std::string_view text, bool wide) override {
    return static_cast<int32_t>(text.size() / (wide ? 2 : 1));
  }
  bool Cancelled() override { return cancelAfterPages >= 0 && ended >= cancelAfterPages; }
};

// Six lines of height 10 a page, 80 one-unit characters, text at x = 5.
PageGeometry SixLines() {
  PageGeometry g;
  g.LineHeight = 10;
  g.CharWidth = 1;
  g.Left = 5;
  g.UsableWidth = 80;
  g.Bottom = 60;
  g.CharsPerLine = 80;
  return g;
}

std::string Numbered(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

class PageComposer : public ::testing::Test {
 protected:
  void SetUp() override {
    fs_ = &UseMemoryFiles();
    tags_.Entries = tagSlots_.data();
  }
  void TearDown() override { UsePlatformFiles(); }
  // Composes text with the plan; Options also chooses the job's format flags.
  PrintResult Compose(const std::string& text, PrintPlan plan, uint32_t formatFlags = 0) {
    fs_->Files["f.txt"].assign(text.begin(), text.end());
    CopyText(file_.Path, "f.txt");
    file_.Flen = static_cast<FileOffset>(text.size());
    plan.Options = JobOptions(plan.Options);
    PrintSource source{&file_,
                       LineFormat{FormatText, JobFormatFlags(plan.Options, formatFlags),
                                  geometry_.CharsPerLine, 8},
                       WalkBlocks{read_.data(), 256, lines_.data(), 64, text_.data(), 4096}, &tags_,
                       titles_};
    return ComposePages(source, plan, geometry_, sink_);
  }
  // Offset of the start of numbered line n.
  static FileOffset LineAt(int n) { return static_cast<FileOffset>(Numbered(n).size()); }

  MemoryFileSystem* fs_ = nullptr;
  FileRef file_;
  std::vector<uint8_t> read_ = std::vector<uint8_t>(256);
  std::vector<LineEntry> lines_ = std::vector<LineEntry>(64);
  std::vector<char> text_ = std::vector<char>(4096);
  std::vector<TagEntry> tagSlots_ = std::vector<TagEntry>(kTagCapacity + 1);
  TagList tags_;
  std::vector<std::string> titles_;
  PageGeometry geometry_ = SixLines();
  RecordingSink sink_;
};

TEST_F(PageComposer, HeadingAndTitlesComeFirstAndABareBodyStartsAtTheTopMargin) {
  titles_ = {"TITLE"};
  PrintPlan plan;
  plan.Options = PO_PAGE_NUMBER | PO_PAGE_TITLES | PO_SHADE_TAGS;
  plan.HeadingLeft = "f.txt";
  plan.HeadingRight = "12/07/96  09:05 AM";
  PrintResult r = Compose(Numbered(4), plan);
  EXPECT_EQ(r.PagesPrinted, 2);
  ASSERT_EQ(sink_.pages.size(), 2u);
  // The right part flush right on the character grid: 80 - 28 characters in.
  EXPECT_EQ(sink_.pages[0],
            (std::vector<std::string>{"5,0=f.txt", "57,0=12/07/96  09:05 AM  Page 1  ",
                                      "5,20:TITLE/heading", "5,30:line 0", "5,40:line 1",
                                      "5,50:line 2"}));
  EXPECT_EQ(sink_.pages[1].back(), "5,30:line 3");

  titles_.clear();
  sink_ = RecordingSink{};
  Compose(Numbered(1), PrintPlan{});
  EXPECT_EQ(sink_.pages, (std::vector<std::vector<std::string>>{{"5,0:line 0"}}));
}

TEST_F(PageComposer, PageRangesCountFromWhereTheyStart) {
  struct Case {
    FileOffset start;
    int first, last;
    std::vector<std::string> progress;
    std::string firstLine;
  } cases[] = {
      {0, 3, 4, {"skip 1", "skip 2", "print 3", "print 4"}, "5,0:line 12"},  // pages 3-4
      {LineAt(7), 1, 1, {"print 1"}, "5,0:line 7"},                          // Print Page
  };
  for (const Case& c : cases) {
    sink_ = RecordingSink{};
    PrintPlan plan;
    plan.Start = c.start;
    plan.FirstPage = c.first;
    plan.LastPage = c.last;
    PrintResult r = Compose(Numbered(40), plan);
    EXPECT_EQ(sink_.progress, c.progress);
    EXPECT_EQ(r.PagesPrinted, c.last - c.first + 1);
    ASSERT_FALSE(sink_.pages.empty());
    EXPECT_EQ(sink_.pages[0][0], c.firstLine);
    EXPECT_EQ(sink_.pages.back().size(), 6u);
  }
}

TEST_F(PageComposer, ASelectionStopsAtItsEndAndShadingMarksTaggedAndSelectedLines) {
  PrintPlan plan;
  plan.Start = LineAt(1) + 2;  // the line the selection starts in, formatted from there
  plan.End = LineAt(3);
  plan.StopAtEnd = true;
  plan.Options = PO_SHADE_TAGS;
  TagAdd(tags_, LineAt(7), TAG_USER);  // a tag after the selection: its last line is untagged
  Compose(Numbered(10), plan);
  EXPECT_EQ(sink_.pages, (std::vector<std::vector<std::string>>{{"5,0:ne 1", "5,10:line 2"}}));

  sink_ = RecordingSink{};
  TagAdd(tags_, LineAt(1) + 3, TAG_USER);
  PrintPlan shaded;
  shaded.Options = PO_SHADE_TAGS | PO_SHADE_SELECTION;
  shaded.SelStart = LineAt(2) + 1;
  shaded.SelEnd = LineAt(3) + 1;
  Compose(Numbered(5), shaded);
  EXPECT_EQ(sink_.pages[0],
            (std::vector<std::string>{"5,0:line 0", "5,10:line 1/tagged", "5,20:line 2/inverted",
                                      "5,30:line 3/inverted", "5,40:line 4"}));
}

TEST_F(PageComposer, FormFeedsEjectPagesWhenAsked) {
  const std::string text = "\fa\r\nb\fc\r\n\fd\r\ne\r\n";
  PrintPlan plan;
  plan.Options = PO_EJECT_ON_FF;
  Compose(text, plan, FMT_FORM_FEEDS);  // the screen's flags mark lines after a form feed
  EXPECT_EQ(sink_.pages, (std::vector<std::vector<std::string>>{
                             {"5,0:a", "5,10:b"}, {"5,0:c", "band 10"}, {"5,0:d", "5,10:e"}}));

  sink_ = RecordingSink{};
  Compose(text, PrintPlan{}, FMT_FORM_FEEDS);  // no ejects: one page
  EXPECT_EQ(sink_.pages.size(), 1u);
}

TEST_F(PageComposer, AWideLineIsDrawnWideAndEjectsAtAFormFeedUnitOnly) {
  // In UTF-16 LE: "a", U+0C41 (whose high byte is a form feed's), a form feed, "b".
  const std::string text("a\0\x41\x0c\f\0b\0\r\0\n\0", 12);
  PrintPlan plan;
  plan.Options = PO_EJECT_ON_FF;
  Compose(text, plan, FMT_FORM_FEEDS | FMT_UTF16LE);
  EXPECT_EQ(sink_.pages, (std::vector<std::vector<std::string>>{{"5,0:" + std::string("a\0\x41\x0c", 4) + "/wide"},
                                                                {"5,0:" + std::string("b\0", 2) + "/wide"}}));
}

TEST_F(PageComposer, TagsOnlyLeavesNoGapsAndIgnoresFormFeeds) {
  std::string text = Numbered(3) + "\f" + Numbered(9);
  TagAdd(tags_, LineAt(1), TAG_USER);
  TagAdd(tags_, LineAt(8) + 1, TAG_FOUND);
  PrintPlan plan;
  plan.Options = PO_TAGS_ONLY | PO_EJECT_ON_FF | PO_SHADE_TAGS;
  Compose(text, plan);
  EXPECT_EQ(sink_.pages, (std::vector<std::vector<std::string>>{{"5,0:line 1", "5,10:line 5"}}));
}

TEST_F(PageComposer, NotesFollowCutLinesAndTheJobEndsAsItMust) {
  geometry_.CharsPerLine = 10;
  PrintPlan plan;
  plan.LineNotes = true;
  plan.Options = PO_SHADE_TAGS;
  PrintResult r = Compose(std::string(30, 'x') + "\r\n", plan);  // cut at 10 characters
  EXPECT_EQ(r.End, PrintEnd::kComplete);
  EXPECT_EQ(
      sink_.pages,
      (std::vector<std::vector<std::string>>{{"5,0:xxxxxxxxxx", "17,0= [Truncated...]/comment"}}));

  sink_ = RecordingSink{};
  sink_.cancelAfterPages = 1;
  r = Compose(Numbered(20), PrintPlan{});
  EXPECT_EQ(r.End, PrintEnd::kCancelled);
  EXPECT_EQ(r.PagesPrinted, 1);

  sink_ = RecordingSink{};
  titles_ = {"t1", "t2", "t3", "t4", "t5", "t6"};
  PrintPlan titled;
  titled.Options = PO_PAGE_TITLES;
  r = Compose(Numbered(3), titled);
  EXPECT_EQ(r.End, PrintEnd::kTitlesFillPage);
  EXPECT_EQ(r.PagesPrinted, 0);
}

TEST(PageGeometry, MarginsAndTheFontGiveThePage) {
  EXPECT_EQ(MulDivRound(300, 50, 100), 150);
  EXPECT_EQ(MulDivRound(7, 3, 2), 11);    // 10.5 rounds up
  EXPECT_EQ(MulDivRound(-7, 3, 2), -11);  // and away from zero below
  EXPECT_EQ(MulDivRound(1, 1, 0), -1);

  PageGeometry g =
      ComputePageGeometry({3300, 2400, 300, 300, 50, 25}, PageMargins{10, 50, 25, 40}, 0);
  EXPECT_EQ(g.Left, 150);
  EXPECT_EQ(g.Top, 30);
  EXPECT_EQ(g.UsableWidth, 2400 - 225);
  EXPECT_EQ(g.Bottom, 3300 - 150);
  EXPECT_EQ(g.CharsPerLine, 87);
  EXPECT_TRUE(MarginsLeaveRoom(g, 2));
  EXPECT_EQ(ComputePageGeometry({3300, 2400, 300, 300, 50, 25}, PageMargins{}, 132).CharsPerLine,
            132);
  // A page too small for the font is taken as 50 lines by 60 characters.
  g = ComputePageGeometry({60, 30, 300, 300, 50, 25}, PageMargins{0, 0, 0, 0}, 0);
  EXPECT_EQ(g.Bottom, 2500);
  EXPECT_EQ(g.UsableWidth, 1500);
  EXPECT_FALSE(MarginsLeaveRoom(
      ComputePageGeometry({3300, 2400, 300, 300, 50, 25}, PageMargins{500, 0, 0, 599}, 0), 0));
  // Five inches at the top and at the bottom of an eleven-inch page: the
  // bottom limit is a third of an inch down, above the first body line.
  g = ComputePageGeometry({3300, 2400, 300, 300, 50, 25}, PageMargins{500, 0, 0, 500}, 0);
  EXPECT_GE(g.Bottom, 3 * g.LineHeight);
  EXPECT_FALSE(MarginsLeaveRoom(g, 0));
  g = ComputePageGeometry({3300, 2400, 300, 300, 50, 25}, PageMargins{100, 0, 0, 100}, 0);
  EXPECT_TRUE(MarginsLeaveRoom(g, 2));
  g.Top = g.Bottom - 2 * g.LineHeight;  // room for the heading, none for a line after it
  EXPECT_TRUE(MarginsLeaveRoom(g, 0));
  EXPECT_FALSE(MarginsLeaveRoom(g, 2));
}
}  // namespace
