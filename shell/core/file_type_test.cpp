#include "shell/core/file_type.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "viewer/buffer/memory_files.h"
#include "viewers/contract/viewer_names.h"

namespace {
using namespace std::literals;

struct RecordedReports : DetectionReports {
  std::vector<std::string> Said;
  std::set<std::string> Missing;
  void Unreadable(const char* path) override { Said.push_back("unreadable "s + path); }
  void ProtectedWorksheet() override { Said.push_back("protected"); }
  void LibraryMissing(const char* library) override { Said.push_back("missing "s + library); }
  bool LibraryInstalled(const char* library) override { return !Missing.count(library); }
};

class DetectFileTypeTest : public ::testing::Test {
 protected:
  void SetUp() override { fs = &UseMemoryFiles(); }
  void TearDown() override { UsePlatformFiles(); }

  // Stored under the name as given and with its extension upper-cased, as
  // the platform's file names ignore case.
  void Put(std::string name, std::string_view bytes) {
    fs->Files[name].assign(bytes.begin(), bytes.end());
    const size_t dot = name.rfind('.');
    for (size_t i = dot == std::string::npos ? name.size() : dot; i < name.size(); ++i)
      name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
    fs->Files[name].assign(bytes.begin(), bytes.end());
  }
  int Detect(std::string name, std::string_view bytes) {
    Put(name, bytes);
    int type = -5;
    EXPECT_TRUE(DetectFileType(name.data(), reports, &type)) << name;
    return type;
  }

  MemoryFileSystem* fs = nullptr;
  RecordedReports reports;
};

TEST_F(DetectFileTypeTest, ContentDecidesWhenTheNameRuleDecidesNone) {
  EXPECT_EQ(Detect("report.wks", "\x00"s), 9);
  EXPECT_EQ(Detect("report.wks", "\xFF"), 23);
  EXPECT_EQ(Detect("report.wks", "AC10"), 2);
  EXPECT_EQ(Detect("data.qw", "TBWP"), 17);
  EXPECT_EQ(Detect("book.xls", "\x09\x04"), 10);
  EXPECT_EQ(Detect("book.xls", "\x09\x08"), 24);
  EXPECT_EQ(Detect("book.xls", "\xD0\xCF\x11\xE0\xA1"), 24);
  EXPECT_EQ(Detect("letter.doc", "\xD0\xCF\x11\xE0\xA1"), 29);
  EXPECT_EQ(Detect("empty", ""), 2);
  EXPECT_TRUE(reports.Said.empty());
}

TEST_F(DetectFileTypeTest, ExtensionIsAfterTheLastDotAndUpperCasedInPlace) {
  char path[] = "d:\\dir.v1\\readme";
  Put(path, "PK\x03\x04");
  int type = -5;
  EXPECT_TRUE(DetectFileType(path, reports, &type));
  EXPECT_STREQ(path, "d:\\dir.V1\\README");
  EXPECT_EQ(type, 12);
}

TEST_F(DetectFileTypeTest, ProtectedWorksheetIsReportedAndShownAsHex) {
  EXPECT_EQ(Detect("book.xls", "\x09\x08\x06\x00\x00\x00\x10\x00\x00\x00\x2F"s), 1);
  EXPECT_EQ(reports.Said, std::vector{"protected"s});
}

TEST_F(DetectFileTypeTest, MissingLibraryIsReportedAndTheTextViewerStandsIn) {
  reports.Missing = {kGraphicsLibrary.Library};
  EXPECT_EQ(Detect("photo.bmp", ""), 0);
  EXPECT_EQ(reports.Said, std::vector{"missing ZRG32.DLL"s});
}

TEST_F(DetectFileTypeTest, UnopenableFileIsReportedAndNotShown) {
  char path[] = "gone.txt";
  int type = -5;
  EXPECT_FALSE(DetectFileType(path, reports, &type));
  EXPECT_EQ(reports.Said, std::vector{"unreadable gone.txt"s});
  EXPECT_EQ(DetectByContent("gone.txt", reports), -1);
}

TEST_F(DetectFileTypeTest, FileThatCannotBeSizedKeepsTheTextViewer) {
  fs->FailSize = true;
  EXPECT_EQ(Detect("noname", "\x01\x02\x03"), 0);
  EXPECT_EQ(DetectByContent("noname", reports), -1);
}
}  // namespace
