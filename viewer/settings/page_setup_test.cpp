#include "viewer/settings/page_setup.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
class PageSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    gPageSetup = PageSetupOptions{};
    gSetupSettings = SetupSettings{};
    Use("");
  }
  void Use(const std::string& ini) {
    profile_ = MemoryProfile(ini);
    SetProfileStore(&profile_);
  }
  MemoryProfile profile_;
};
}  // namespace

TEST_F(PageSetup, MarginsReadInOrderAndMissingPiecesAreZero) {
  gPageSetup.Margins = {1, 2, 3, 4};
  Use("[Page Setup]\nPageMargins=100\nPrintOptions=0\n");
  ReadPageSetup(kPageSetupSection);
  EXPECT_EQ(gPageSetup.Margins.Top, 100);
  EXPECT_EQ(gPageSetup.Margins.Left, 0);
  EXPECT_EQ(gPageSetup.Margins.Right, 0);
  EXPECT_EQ(gPageSetup.Margins.Bottom, 0);
  EXPECT_EQ(gPageSetup.PrintOptions, 0u);

  gPageSetup.Margins = {1, 2, 3, 4};
  gPageSetup.PrintOptions = 0x6FF;
  Use("[Page Setup]\nPageMargins=\nPrintOptions=\n");
  ReadPageSetup(kPageSetupSection);
  EXPECT_EQ(gPageSetup.Margins.Left, 2) << "empty values keep the previous margins";
  EXPECT_EQ(gPageSetup.PrintOptions, 0x6FFu);

  Use("[Page Setup]\nPageMargins= 10,x,-30,40,50\nPrintOptions=4294967295\n");
  ReadPageSetup(kPageSetupSection);
  EXPECT_EQ(gPageSetup.Margins.Top, 10);
  EXPECT_EQ(gPageSetup.Margins.Left, 0);
  EXPECT_EQ(gPageSetup.Margins.Right, -30);
  EXPECT_EQ(gPageSetup.Margins.Bottom, 40);
  EXPECT_EQ(gPageSetup.PrintOptions, 0xFFFFFFFFu);
}

TEST_F(PageSetup, SaveRoundTripsAndRespectsReadOnly) {
  gPageSetup.PrintOptions = 0x80000F01u;
  gPageSetup.Margins = {25, 75, 100, 300};
  EXPECT_TRUE(SavePageSetup(kPageSetupSection));
  EXPECT_EQ(profile_.Get(kPageSetupSection, "PrintOptions"), "2147487489");
  EXPECT_EQ(profile_.Get(kPageSetupSection, "PageMargins"), "25,75,100,300");
  gPageSetup = PageSetupOptions{};
  ReadPageSetup(kPageSetupSection);
  EXPECT_EQ(gPageSetup.PrintOptions, 0x80000F01u);
  EXPECT_EQ(gPageSetup.Margins.Bottom, 300);

  Use("");
  gSetupSettings.ProfileReadOnly = true;
  EXPECT_FALSE(SavePageSetup(kPageSetupSection));
  EXPECT_FALSE(profile_.Has(kPageSetupSection, "PrintOptions"));
}

TEST_F(PageSetup, LoadedByTheProfileAndByItsGroup) {
  Use("[Page Setup]\nPrintOptions=3\n[Setup: B]\nPrintOptions=5\n");
  LoadProfile();
  EXPECT_EQ(gPageSetup.PrintOptions, 3u);
  LoadProfileGroups("Setup: B", SAVE_FORMAT);
  EXPECT_EQ(gPageSetup.PrintOptions, 3u);
  LoadProfileGroups("Setup: B", SAVE_PAGE_SETUP);
  EXPECT_EQ(gPageSetup.PrintOptions, 5u);
}
