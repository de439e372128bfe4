#include "viewer/settings/recent_lists.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/memory_profile.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
struct List4 {
  char slots[4][8] = {"a", "b", "c", "d"};
  std::string at(int i) const { return slots[i]; }
};
}  // namespace

TEST(PromoteRecent, ExistingEntryMovesToTheFrontAndOthersShiftDown) {
  List4 l;
  char item[8] = "d";
  EXPECT_EQ(PromoteRecent(&l.slots[0][0], 4, 8, -1, item), 1);
  EXPECT_EQ(l.at(0), "d");
  EXPECT_EQ(l.at(1), "a");
  EXPECT_EQ(l.at(2), "b");
  EXPECT_EQ(l.at(3), "c");
}

TEST(PromoteRecent, NewItemDropsTheLastSlotAndIndexCopiesTheEntry) {
  List4 l;
  char item[8] = "new";
  PromoteRecent(&l.slots[0][0], 4, 8, -1, item);
  EXPECT_EQ(l.at(0), "new");
  EXPECT_EQ(l.at(3), "c");
  char out[8] = "";
  PromoteRecent(&l.slots[0][0], 4, 8, 2, out);
  EXPECT_STREQ(out, "b");
  EXPECT_EQ(l.at(0), "b");
  EXPECT_EQ(l.at(1), "new");
  EXPECT_EQ(l.at(2), "a");
}

TEST(PromoteRecent, ComparisonIsCaseSensitiveAndLongItemsAreCut) {
  List4 l;
  char item[32] = "A";
  PromoteRecent(&l.slots[0][0], 4, 8, -1, item);
  EXPECT_EQ(l.at(0), "A");
  EXPECT_EQ(l.at(1), "a") << "'A' is not 'a': the last slot was given up";
  char longItem[32] = "0123456789abcdef";
  PromoteRecent(&l.slots[0][0], 4, 8, -1, longItem);
  EXPECT_EQ(l.at(0), "0123456");
}

namespace {
class RecentProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    gSetupSettings = SetupSettings{};
    gRecent = RecentLists{};
  }
  void Use(const std::string& ini) {
    profile_ = MemoryProfile(ini);
    SetProfileStore(&profile_);
  }
  MemoryProfile profile_;
};
}  // namespace

TEST_F(RecentProfile, EmptyFileEntriesAreCompacted) {
  Use("[MRU Files]\nFile1=\nFile2=C:\\b.txt\nFile4=C:\\d.txt\n");
  LoadProfileGroups(kMainSection, SAVE_MRU_FILES);
  EXPECT_EQ(gRecent.FileCount, 2);
  EXPECT_STREQ(gRecent.Files[0], "C:\\b.txt");
  EXPECT_STREQ(gRecent.Files[1], "C:\\d.txt");
  EXPECT_STREQ(gRecent.Files[2], "");

  gSetupSettings.MruFiles = 0;
  LoadProfileGroups(kMainSection, SAVE_MRU_FILES);
  EXPECT_EQ(gRecent.FileCount, 0);
}

TEST_F(RecentProfile, SearchListCountsAreCappedAndNegativeCountsReadNothing) {
  Use("[MRU Search]\nTexts=25\nText1=one\nText3=three\nHexs=-2\nHex1=41\n");
  EXPECT_EQ(ReadRecentList("Text", gRecent.Texts), 10);
  EXPECT_STREQ(gRecent.Texts[0], "one");
  EXPECT_STREQ(gRecent.Texts[1], "") << "empty values still occupy their slot";
  EXPECT_STREQ(gRecent.Texts[2], "three");
  EXPECT_EQ(ReadRecentList("Hex", gRecent.Hex), -2);
  EXPECT_STREQ(gRecent.Hex[0], "");
}

TEST_F(RecentProfile, UnloadedSearchListsAreNotWrittenBack) {
  Use("[MRU Search]\nTexts=1\nText1=keep\n");
  SaveRecentSearches();
  EXPECT_EQ(profile_.Get("MRU Search", "Text1"), "keep");
  EXPECT_FALSE(profile_.Has("MRU Search", "Hexs"));

  gRecent.HexCount = 1;
  std::strcpy(gRecent.Hex[0], "0D 0A");
  SaveRecentSearches();
  EXPECT_EQ(profile_.Get("MRU Search", "Hexs"), "1");
  EXPECT_EQ(profile_.Get("MRU Search", "Hex1"), "0D 0A");
}

TEST_F(RecentProfile, FilesAreSavedUpToTheCountUnlessSwitchedOffOrReadOnly) {
  Use("[MRU Files]\nFile3=old\n");
  gRecent.FileCount = 2;
  std::strcpy(gRecent.Files[0], "x");
  std::strcpy(gRecent.Files[1], "y");
  gSetupSettings.ProfileReadOnly = true;
  SaveRecentFiles();
  EXPECT_FALSE(profile_.Has("MRU Files", "File1"));
  gSetupSettings.ProfileReadOnly = false;
  SaveRecentFiles();
  EXPECT_EQ(profile_.Get("MRU Files", "File1"), "x");
  EXPECT_EQ(profile_.Get("MRU Files", "File2"), "y");
  EXPECT_EQ(profile_.Get("MRU Files", "File3"), "old") << "keys beyond the count stay";
}
