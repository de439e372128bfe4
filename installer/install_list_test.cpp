#include "installer/install_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Describe(ListResult result) {
  char text[128];
  DescribeListError(result, text, sizeof text);
  return text;
}
}  // namespace

TEST(ParseInstallList, ReadsNamesSkippingCommentsBlanksAndSpaces) {
  InstallList list;
  auto result =
      ParseInstallList("; Tarvo\r\n\r\nTARVO.EXE\r\n  ZR32.EXE \n# later\n\tREADME.TXT", list);
  ASSERT_EQ(result.error, ListError::None);
  ASSERT_EQ(list.count, 3u);
  EXPECT_STREQ(list.names[0], "TARVO.EXE");
  EXPECT_STREQ(list.names[1], "ZR32.EXE");
  EXPECT_STREQ(list.names[2], "README.TXT");
}

TEST(ParseInstallList, RefusesPathsAndNamesThatCouldLeaveTheFolder) {
  InstallList list;
  for (const char* bad :
       {"..\\evil.exe", "C:\\WINDOWS\\x.dll", "sub/x.exe", "..", "a:b", "x?.exe"}) {
    auto result = ParseInstallList(std::string("TARVO.EXE\n") + bad + "\n", list);
    EXPECT_EQ(result.error, ListError::NotAFileName) << bad;
    EXPECT_EQ(result.line, 2u) << bad;
  }
  EXPECT_EQ(Describe(ParseInstallList("ok.exe\n\nsub\\x.exe", list)),
            "FILES.LST line 3: not a plain file name");
}

TEST(ParseInstallList, RefusesDuplicatesLongNamesTooManyFilesAndAnEmptyList) {
  InstallList list;
  EXPECT_EQ(ParseInstallList("TARVO.EXE\ntarvo.exe\n", list).error, ListError::Duplicate);
  EXPECT_EQ(ParseInstallList(std::string(kInstallNameSize, 'x'), list).error,
            ListError::NameTooLong);
  EXPECT_EQ(ParseInstallList(std::string(kInstallNameSize - 1, 'x'), list).error, ListError::None);
  std::string many;
  for (size_t i = 0; i <= kMaxInstallFiles; ++i) many += "F" + std::to_string(i) + ".DLL\n";
  auto result = ParseInstallList(many, list);
  EXPECT_EQ(result.error, ListError::TooManyFiles);
  EXPECT_EQ(result.line, kMaxInstallFiles + 1);
  EXPECT_EQ(Describe(ParseInstallList("; nothing\n\n", list)), "FILES.LST: no files listed");
}
