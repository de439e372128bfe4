// Every viewer library the build makes, loaded into a stand-in for the
// shell's viewer window and sent the contract's messages in turn: each
// answers as it says it does, or as the library base answers what a
// library does not support; a missing file is refused; the file is never
// held open between messages; and a library's fault is a refusal, not a
// dead host.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "suite_files.h"
#include "tests/support/icon_bytes.h"
#include "tests/support/temp_folder.h"
#include "viewers/archives/formats/test_archives.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/fonts/formats/test_fonts.h"
#include "viewers/documents/formats/test_documents.h"
#include "viewers/sheets/formats/test_sheets.h"
#include "viewers/tables/formats/test_tables.h"
#include "viewers/tests/viewer_host.h"

namespace {
struct Library {
  const char* Dll;
  const char* Class;
  bool Shipped;
};
const Library kBuilt[] = {TARVO_VIEWER_LIBRARIES};
void PrintTo(const Library& library, std::ostream* out) { *out << library.Dll; }

constexpr char kText[] = "one needle\r\ntwo\r\n";
// A 2 x 1 bitmap of 24 bits for the libraries that show pictures.
const std::string kBitmap("BM\x3e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x18\0"
                          "\0\0\0\0\x08\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
                          "\xff\0\0\0\xff\0\0\0",
                          62);
constexpr LRESULT kFileSize = -1;  // stands for the size of the file the library was given
// The viewer type each library is given its sample as: the document viewer
// reads only the types of documents.
int TypeOf(const char* dll) { return std::string(dll) == kWordProLibrary.Library ? 26 : 0; }

// The file each library is given: a picture for the graphics viewer, an
// icon for the icon viewer, an archive of one entry for the archive
// viewer, a sound for the sound viewer, a table for the table viewer, a
// font for the font viewer, a document for the document viewer, a WK1
// sheet for the sheet viewer, text for the others.
std::string SampleOf(const char* dll) {
  if (std::string(dll) == kWordProLibrary.Library) {
    const DocumentBytes doc = MakeBeAbDocument({"one needle", "two"});
    return std::string(doc.begin(), doc.end());
  }
  if (std::string(dll) == kGraphicsLibrary.Library) return kBitmap;
  if (std::string(dll) == kIconLibrary.Library) return IconFileBytes({{1, 1, 255, 0, 0, 255}});
  if (std::string(dll) == kArchiveLibrary.Library) return ZipBytes({{.Name = "needle", .Packed = "x"}});
  if (std::string(dll) == kSoundLibrary.Library)  // a sound without samples, which cannot play
    return std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0", 36);
  if (std::string(dll) == kDatabaseLibrary.Library) return DbfFileBytes({{"WORD", 'C', 6}}, {{false, {"needle"}}});
  if (std::string(dll) == kFontLibrary.Library) {
    const std::vector<uint8_t> font = MakeTestFont().Bytes;
    return std::string(font.begin(), font.end());
  }
  if (std::string(dll) == kFilterLibrary.Library)  // a Windows metafile with nothing in it
    return std::string("\x01\0\x09\0\0\x03\x0c\0\0\0\0\0\x03\0\0\0\0\0\x03\0\0\0\0\0", 24);
  if (std::string(dll) == kSpreadsheetLibrary.Library) return sheet_bytes::Wk1Sheet();
  return kText;
}

// One message of the sequence, the base's answer to it, and what a
// library that does more tells its parent meanwhile.
struct Step {
  const char* What;
  UINT Msg;
  WPARAM WParam;
  LRESULT Default;
  UINT ToldParent;  // or 0
};

// Where a library answers otherwise than the base.
struct Differs {
  const char* What;  // the step
  LRESULT Answer;
};
struct Answers {
  const char* Dll;
  std::vector<Differs> Steps;
};
const Answers kAnswers[] = {
    {kTextLibrary.Library,
     {{"file size", kFileSize}, {"word wrap", 1}, {"font", 1}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1},
      {"edit mode", 1}}},
    {kHexLibrary.Library, {{"file size", kFileSize}, {"font", 1}, {"select all", 1}, {"copy", 1}}},
    {kGraphicsLibrary.Library,
     {{"file size", kFileSize}, {"zoom 2X", 1}, {"show page", 1}, {"select all", 1}, {"copy", 1}}},
    {kIconLibrary.Library, {{"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kArchiveLibrary.Library,
     {{"file size", kFileSize}, {"record count", 1}, {"font", 1}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kSoundLibrary.Library, {{"font", 1}}},
    {kFontLibrary.Library, {{"file size", kFileSize}, {"font", 1}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kDatabaseLibrary.Library,
     {{"file size", kFileSize}, {"record count", 1}, {"font", 1}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kFilterLibrary.Library, {{"file size", kFileSize}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kWordProLibrary.Library, {{"file size", kFileSize}, {"font", 1}, {"zoom 2X", 1}, {"select all", 1}, {"copy", 1}}},
    {kSpreadsheetLibrary.Library,
     {{"record count", 6}, {"last cell", 27 | 5 << 16}, {"font", 1}, {"zoom 2X", 1}, {"show page", 1},
      {"select all", 1}, {"copy", 1}}},
};

const LOGFONTA kFont = [] {
  LOGFONTA lf{};
  lf.lfHeight = -14;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  return lf;
}();
const PRINTDLGA kNoPrinter = [] {  // a record without a device context
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  return pd;
}();

const Step kSequence[] = {
    {"file size", ZV_FILESIZE, 0, 0, 0},
    {"record count", ZV_RECORDCOUNT, 0, 0, 0},
    {"last cell", ZV_LASTCELL, 0, 0, 0},
    {"find nothing", ZV_FIND, 0, kFindNoMatch, 0},
    {"find opening", ZV_FINDOPENING, 0, 0, 0},
    {"word wrap", ZV_WORDWRAP, 1, 0, 0},
    {"font", ZV_FONT, 0, 0, 0},
    {"zoom 2X", ZV_ZOOM, kZoom1X + 1, 0, 0},
    {"show page", ZV_SHOWPAGE, 0, 0, 0},
    {"select all", ZV_SELECTALL, 0, 0, ZV_SELECTION},
    {"copy", ZV_COPY, 0, 0, 0},
    {"print without a printer", ZV_PRINT, 0, 0, 0},
    {"cancel print", ZV_CANCELPRINT, 0, 0, 0},
    {"save as of an unknown kind", ZV_SAVEAS, 99, 0, 0},
    {"edit mode", ZV_MODE, 1, 0, 0},
    {"view mode", ZV_MODE, 0, 1, 0},
    {"a message nobody defined", kViewerMessageBase + 200, 0, 0, 0},
};

LPARAM ArgumentOf(const Step& step) {
  static const char kMissing[] = "zzz";
  static const char kName[] = "C:\\nowhere\\copy.txt";
  switch (step.Msg) {
    case ZV_FIND: return reinterpret_cast<LPARAM>(kMissing);
    case ZV_FONT: return reinterpret_cast<LPARAM>(&kFont);
    case ZV_PRINT: return reinterpret_cast<LPARAM>(&kNoPrinter);
    case ZV_SAVEAS: return reinterpret_cast<LPARAM>(kName);
  }
  return 0;
}

LRESULT Expected(const Library& library, const Step& step) {
  LRESULT answer = step.Default;
  for (const Answers& answers : kAnswers) {
    if (std::string(answers.Dll) != library.Dll) continue;
    for (const Differs& differs : answers.Steps)
      if (std::string(differs.What) == step.What) answer = differs.Answer;
  }
  return answer == kFileSize ? static_cast<LRESULT>(SampleOf(library.Dll).size()) : answer;
}

class ViewerContract : public testing::TestWithParam<Library> {
 protected:
  TempFolder dir;
  std::string file = dir.Write("f.txt", SampleOf(GetParam().Dll));
  ViewerHost host{GetParam().Dll, GetParam().Class};
};

TEST_P(ViewerContract, AnswersEveryMessageAsDocumentedOrAsTheBaseDoes) {
  ASSERT_TRUE(host.child()) << "no window of class " << GetParam().Class;
  EXPECT_EQ(host.Send(ZV_STATUSTEXT), 0) << "no status before a file";
  EXPECT_EQ(host.Open(dir / "missing.txt", 0), 0) << "a missing file is refused";
  ASSERT_NE(host.Open(file, TypeOf(GetParam().Dll)), 0);
  const std::string sample = SampleOf(GetParam().Dll);
  EXPECT_TRUE(WriteFileText(file, sample)) << "the file is held open after opening";
  for (const Step& step : kSequence) {
    size_t before = host.toldParent.size();
    EXPECT_EQ(host.Send(step.Msg, step.WParam, ArgumentOf(step)), Expected(GetParam(), step))
        << step.What;
    bool told =
        std::count(host.toldParent.begin() + before, host.toldParent.end(), step.ToldParent) > 0;
    if (step.ToldParent && Expected(GetParam(), step)) {
      EXPECT_TRUE(told) << step.What;
    }
    EXPECT_TRUE(WriteFileText(file, sample)) << "the file is held open after " << step.What;
  }
  host.Post(ZV_GOTO, 0, 4);
  EXPECT_TRUE(WriteFileText(file, sample)) << "the file is held open after go to";
}

TEST_P(ViewerContract, AFaultInTheLibraryIsARefusal) {
  ASSERT_NE(host.Open(file, TypeOf(GetParam().Dll)), 0);
  EXPECT_EQ(host.Send(ZV_PLAY), 0);
  EXPECT_TRUE(IsWindow(host.child()));
  EXPECT_NE(host.Send(ZV_OPEN, TypeOf(GetParam().Dll), reinterpret_cast<LPARAM>(file.c_str())), 0)
      << "the window still works";
}

TEST(ViewerContractList, EveryShippedLibraryIsNamedWhereTheShellFindsIt) {
  const ViewerLibraryName known[] = {kTextLibrary,        kHexLibrary,     kGraphicsLibrary,
                                     kIconLibrary,        kWordProLibrary, kDatabaseLibrary,
                                     kSpreadsheetLibrary, kArchiveLibrary, kSoundLibrary,
                                     kFilterLibrary,      kDrawingLibrary, kFontLibrary};
  for (const Library& library : kBuilt) {
    if (!library.Shipped) continue;
    bool named = std::any_of(std::begin(known), std::end(known), [&](const ViewerLibraryName& n) {
      return std::string(n.Library) == library.Dll && std::string(n.WindowClass) == library.Class;
    });
    EXPECT_TRUE(named) << library.Dll << " with class " << library.Class;
  }
}

INSTANTIATE_TEST_SUITE_P(Built, ViewerContract, testing::ValuesIn(kBuilt), [](const auto& info) {
  std::string name = info.param.Dll;
  return name.substr(0, name.find('.'));
});
}  // namespace
