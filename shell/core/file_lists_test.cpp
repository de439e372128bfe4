#include "shell/core/file_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/core/shell_kind.h"
#include "shell/core/viewer_title.h"

namespace {

void Fill(ListPath* paths, int n, const char* prefix) {
  for (int i = 0; i < n; ++i) std::snprintf(paths[i], kListPathChars, "%s%d", prefix, i);
}

TEST(FileLists, ThirtyDroppedKeepTheFirstTwentyFiveAndDiscardTheOldList) {
  ListPath list[kMaxListFiles], drop[30];
  Fill(list, 3, "old");
  Fill(drop, 30, "new");
  EXPECT_EQ(PrependPaths(list, 3, drop, 30), kMaxListFiles);
  EXPECT_STREQ(list[0], "new0");
  EXPECT_STREQ(list[24], "new24");
}

TEST(FileLists, OneMoreFilePushesOutTheOldest) {
  ListPath list[kMaxListFiles], one[1];
  Fill(list, kMaxListFiles, "old");
  Fill(one, 1, "new");
  EXPECT_EQ(PrependPaths(list, kMaxListFiles, one, 1), kMaxListFiles);
  EXPECT_STREQ(list[0], "new0");
  EXPECT_STREQ(list[1], "old0");
  EXPECT_STREQ(list[24], "old23");
}

TEST(FileLists, PendingSlotsFillFromTheFirstEmptyOne) {
  ListPath slots[kMaxListFiles] = {};
  EXPECT_EQ(LeadingPaths(slots), 0);
  for (int i = 0; i < kMaxListFiles; ++i) EXPECT_TRUE(StoreInFirstEmpty(slots, "a"));
  EXPECT_FALSE(StoreInFirstEmpty(slots, "dropped"));
  slots[3][0] = '\0';
  EXPECT_EQ(LeadingPaths(slots), 3);
  EXPECT_TRUE(StoreInFirstEmpty(slots, "b"));
  EXPECT_STREQ(slots[3], "b");
}

TEST(ViewerTitle, ProgramTitleThenTheFileName) {
  char title[400];
  ComposeViewerTitle("Skimmet For Win 32", "C:\\DOCS\\A.TXT", title, sizeof title);
  EXPECT_STREQ(title, "Skimmet For Win 32 - A.TXT");
  ComposeViewerTitle(title, "C:\\DOCS\\DIR.V1\\B", title, sizeof title);
  EXPECT_STREQ(title, "Skimmet For Win 32 - B");
  ComposeViewerTitle("Skimmet", "NOSLASH.TXT", title, sizeof title);
  EXPECT_STREQ(title, "Skimmet - NOSLASH.TXT");
  std::string longTitle(100, 'x');
  ComposeViewerTitle(longTitle.c_str(), "f", title, sizeof title);
  EXPECT_EQ(std::string(title), std::string(78, 'x') + " - f");
}

TEST(ShellKind, NtFourAndEveryLaterVersionIsANewShell) {
  EXPECT_TRUE(IsNewShell(kPlatformWindows, 4));
  EXPECT_FALSE(IsNewShell(kPlatformNT, 3));
  EXPECT_TRUE(IsNewShell(kPlatformNT, 4));
  EXPECT_TRUE(IsNewShell(kPlatformNT, 10));
  EXPECT_FALSE(IsNewShell(0, 3));  // Win32s
}

}  // namespace
