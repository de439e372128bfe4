// ZRCP32.DLL in a stand-in viewer window: it lists ZIP archives (also after
// a program) and LZH archives and refuses other files; the shared grid
// view selects rows by click, shift-click and keys, sorts by a heading,
// finds names, goes to a row, copies the selected rows under the heading
// line and prints the heading on every page.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/archives/formats/test_archives.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/viewer_host.h"

namespace {
constexpr int kZipType = 12, kLzhType = 13;
constexpr char kHeading[] = "Name\tSize\tPacked\tRatio\tMethod\tModified\tCRC\tAttributes\tEncrypted\r\n";

const std::vector<TestEntry> kEntries = {
    {.Name = "b.txt", .Packed = "12345", .Size = 20},
    {.Name = "Stra\xc3\x9f" "e.txt", .Packed = "", .Method = 0, .Utf8 = true},
    {.Name = "\x84rger.txt", .Packed = "abc", .Size = 3, .Method = 0},
};

std::string Row(const char* name, const char* rest) { return std::string(name) + "\t" + rest + "\r\n"; }
// The rows of kEntries as copied, names in the ANSI code page.
const std::string kB = Row("b.txt", "20\t5\t75%\tDeflated\t2025-09-10 13:33:02\tCBF53A1C\t----A\tNo");
const std::string kStrasse =
    Row("Stra\xdf" "e.txt", "0\t0\t0%\tStored\t2025-09-10 13:33:02\t00000000\t----A\tNo");
const std::string kAerger =
    Row("\xe4rger.txt", "3\t3\t0%\tStored\t2025-09-10 13:33:02\t352441C2\t----A\tNo");

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class ArchiveLibraryTest : public testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kArchiveLibrary};

  std::string CopyAll() const {
    host.Send(ZV_SELECTALL);
    return host.Copy();
  }
  unsigned Find(const char* text) const {
    return static_cast<unsigned>(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(text)));
  }
  void Key(WPARAM key) const { host.Send(WM_KEYDOWN, key, 0); }
};

TEST_F(ArchiveLibraryTest, OpensArchivesAndRefusesWhatHoldsNone) {
  const std::string zip = ZipBytes(kEntries, {.Comment = "made here"});
  struct Case {
    const char* What;
    std::string Bytes;
    int Type;
    std::string Status;  // "" when refused
  } cases[] = {
      {"a ZIP", zip, kZipType, "ZIP archive, 3 entries"},
      {"a ZIP after a program", "MZ" + std::string(4000, '\x90') + zip, kZipType,
       "ZIP archive, 3 entries, self-extracting"},
      {"an LZH", LzhBytes(kEntries, 2), kLzhType, "LZH archive, 3 entries"},
      {"a program without an archive", "MZ" + std::string(4000, '\x90'), kZipType, ""},
      {"text", "just some text\r\n", kLzhType, ""},
  };
  for (const Case& c : cases) {
    const std::string path = dir.Write("a.bin", c.Bytes);
    EXPECT_EQ(host.Open(path, c.Type) != 0, !c.Status.empty()) << c.What;
    if (!c.Status.empty()) {
      EXPECT_EQ(host.Status(), c.Status) << c.What;
      EXPECT_EQ(host.Send(ZV_RECORDCOUNT), 3) << c.What;
    }
  }
}

TEST_F(ArchiveLibraryTest, CopiesTheSelectedRowsUnderTheHeadingWithNamesInTheAnsiCodePage) {
  ASSERT_NE(host.Open(dir.Write("a.zip", ZipBytes(kEntries)), kZipType), 0);
  EXPECT_FALSE(host.hasSelection());
  EXPECT_EQ(CopyAll(), kHeading + kB + kStrasse + kAerger);
  EXPECT_TRUE(host.hasSelection());
  host.ClickRow(2);  // the heading line is row 0
  EXPECT_EQ(host.Copy(), kHeading + kStrasse);
  host.ClickRow(3, true);
  EXPECT_EQ(host.Copy(), kHeading + kStrasse + kAerger);
}

TEST_F(ArchiveLibraryTest, KeysMoveTheCurrentRowAndShiftExtendsTheSelection) {
  ASSERT_NE(host.Open(dir.Write("a.zip", ZipBytes(kEntries)), kZipType), 0);
  Key(VK_DOWN);
  EXPECT_EQ(host.Copy(), kHeading + kStrasse);
  SetShift(true);
  Key(VK_DOWN);
  SetShift(false);
  EXPECT_EQ(host.Copy(), kHeading + kStrasse + kAerger);
  Key(VK_UP);
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(host.Copy(), kHeading + kB) << "stops at the first row";
}

TEST_F(ArchiveLibraryTest, AClickOnAHeadingSortsByItsColumnAndAgainTheOtherWay) {
  ASSERT_NE(host.Open(dir.Write("a.zip", ZipBytes(kEntries)), kZipType), 0);
  host.ClickRow(0);  // on "Name"
  EXPECT_EQ(CopyAll(), kHeading + kB + kStrasse + kAerger);
  host.ClickRow(0);
  EXPECT_EQ(CopyAll(), kHeading + kAerger + kStrasse + kB) << "the OEM name sorts by its byte";
  const int sizeColumnX = 18 * host.lineHeight() / 2;  // within "Size", right of the names
  host.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(sizeColumnX, host.lineHeight() / 2));
  host.Send(WM_LBUTTONUP, 0, MAKELPARAM(sizeColumnX, host.lineHeight() / 2));
  EXPECT_EQ(CopyAll(), kHeading + kStrasse + kAerger + kB);
}

TEST_F(ArchiveLibraryTest, FindSelectsTheNextNameAndGoToARowNumber) {
  ASSERT_NE(host.Open(dir.Write("a.zip", ZipBytes(kEntries)), kZipType), 0);
  EXPECT_EQ(Find("TXT"), 1u);
  EXPECT_EQ(host.Copy(), kHeading + kB);
  EXPECT_EQ(Find("txt"), 1u);
  EXPECT_EQ(Find("txt"), 1u);
  EXPECT_EQ(host.Copy(), kHeading + kAerger);
  EXPECT_EQ(Find("txt"), kFindNoFurther);
  EXPECT_EQ(Find("20"), kFindNoMatch) << "sizes are not searched";
  host.Post(ZV_GOTO, 0, 2);
  EXPECT_EQ(host.Copy(), kHeading + kStrasse);
  host.Send(ZV_FINDOPENING);
  EXPECT_EQ(Find("txt"), 1u) << "a find opening starts at the current row";
  EXPECT_EQ(host.Copy(), kHeading + kStrasse);
}

int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The letters the printer driver drew, in order: it names each glyph.
std::string LettersShown(const std::string& ps) {
  std::string letters;
  for (size_t at = ps.find(" glyphshow"); at != std::string::npos; at = ps.find(" glyphshow", at + 1))
    if (at >= 2 && ps[at - 2] == '/') letters += ps[at - 1];
  return letters;
}

TEST(ArchivePrintTest, PrintsTheHeadingLineOnEveryPage) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "ArchivePrintTest.OnTheTestPrinter runs it with the test printer";
  TempFolder dir;
  ViewerHost host{kArchiveLibrary};
  std::vector<TestEntry> many;
  for (int i = 0; i < 300; ++i) many.push_back({.Name = "file" + std::to_string(i), .Packed = "x"});
  ASSERT_NE(host.Open(dir.Write("many.zip", ZipBytes(many)), kZipType), 0);
  const std::string ps = host.PrintOnTestPrinter(out);
  const int pages = CountOf(ps, "%%Page:");
  EXPECT_GE(pages, 3) << "300 rows fill several pages";
  EXPECT_EQ(CountOf(LettersShown(ps), "Attributes"), pages) << "the heading line on every page";
}
}  // namespace
