#include "viewer/settings/named_setups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/settings/color_table.h"
#include "common/memory_profile.h"
#include "viewer/settings/page_setup.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/titles_profile.h"

namespace {
class NamedSetups : public ::testing::Test {
 protected:
  void SetUp() override {
    gViewOptions = ViewOptions{};
    gSetupSettings = SetupSettings{};
    gPageSetup = PageSetupOptions{};
    gNamedSetup = NamedSetupState{};
    ResetColors(kAllScreenColors);
    ResetColors(kAllPrintShades);
    Use("");
    table_.Entries = entries_.data();
    table_.Acnt = static_cast<int16_t>(entries_.size());
    arena_.Base = text_.data();
    arena_.Tlen = static_cast<int>(text_.size());
  }
  void Use(const std::string& ini) {
    profile_ = MemoryProfile(ini);
    SetProfileStore(&profile_);
  }
  TitleBlocks Titles() { return {&table_, &arena_}; }
  std::vector<std::string> TitleLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < CountTitles(&table_); ++i)
      lines.emplace_back(arena_.Base + entries_[i].TextOffset, entries_[i].Length);
    return lines;
  }

  MemoryProfile profile_;
  std::vector<LineEntry> entries_ = std::vector<LineEntry>(16);
  std::vector<char> text_ = std::vector<char>(1024);
  LineTable table_;
  TextArena arena_;
};
}  // namespace

TEST_F(NamedSetups, SetupNamesAreRefusedWithTheirMessages) {
  const std::string prefix = kSetupPrefix;
  const struct {
    std::string section;
    const char* problem;
  } cases[] = {
      {prefix, "You must select a name."},
      {prefix + "  two blanks", "The setup name must not begin with a space."},
      {prefix + "\tTab", "The setup name must not begin with a space."},
      {prefix + std::string(56, 'n'), nullptr},
      {prefix + std::string(57, 'n'), "The selected setup name is too long."},
      {prefix + "Wide", nullptr},
  };
  for (const auto& c : cases) {
    const char* problem = SetupNameProblem(c.section);
    EXPECT_STREQ(problem ? problem : "", c.problem ? c.problem : "") << c.section;
  }
}

TEST_F(NamedSetups, BoxesGiveTheSetAndGreyMasks) {
  using B = BoxState;
  const B allGrey[kSetupBoxes] = {B::kGrey, B::kGrey, B::kGrey, B::kGrey, B::kGrey};
  EXPECT_EQ(MasksOfBoxes(allGrey).Grey, kAllBoxGroups);
  const B opening[kSetupBoxes] = {B::kChecked, B::kChecked, B::kGrey, B::kGrey, B::kUnchecked};
  const GroupMasks m = MasksOfBoxes(opening);
  EXPECT_EQ(m.Set, SAVE_FORMAT | SAVE_TITLES | SAVE_PAGE_SETUP | SAVE_PRINT_SETUP);
  EXPECT_EQ(m.Grey, SAVE_PAGE_SETUP | SAVE_PRINT_SETUP);
}

// Unchecked groups lose their sections, grey ones keep theirs, checked ones
// are written; what is in use stays until the next start.
TEST_F(NamedSetups, SaveOptionsDeletesUncheckedKeepsGreyWritesChecked) {
  Use("[Tarvo Colors]\nTagText=255\nPrintText=3\n[Page Setup]\nPrintOptions=1\n"
      "[Titles]\nTitles=1\nTitle1=old\n[Tarvo]\nFormat=1\n");
  gColors[CLR_TAG] = 0x123456;
  gViewOptions.Format = FORMAT_RAW;
  using B = BoxState;
  const B boxes[kSetupBoxes] = {B::kChecked, B::kUnchecked, B::kGrey, B::kGrey, B::kUnchecked};
  SaveOptionGroups(MasksOfBoxes(boxes), nullptr, Titles());
  EXPECT_FALSE(profile_.HasSection(kColorsSection)) << "colours and shades go together";
  EXPECT_FALSE(profile_.HasSection("Titles"));
  EXPECT_EQ(profile_.Get(kPageSetupSection, "PrintOptions"), "1");
  EXPECT_EQ(profile_.Get(kMainSection, "Format"), "2");
  EXPECT_EQ(gColors[CLR_TAG], 0x123456u);

  gSetupSettings.ProfileReadOnly = true;
  const B allChecked[kSetupBoxes] = {B::kChecked, B::kChecked, B::kChecked, B::kChecked,
                                     B::kChecked};
  const B allUnchecked[kSetupBoxes] = {};
  SaveOptionGroups(MasksOfBoxes(allUnchecked), nullptr, Titles());
  SaveOptionGroups(MasksOfBoxes(allChecked), nullptr, Titles());
  EXPECT_TRUE(profile_.HasSection(kMainSection)) << "a read-only profile is left alone";
  EXPECT_FALSE(profile_.HasSection(kColorsSection));
}

TEST_F(NamedSetups, SavingReplacesTheSectionAndListsTheNameOnce) {
  Use("[Setup List]\nSetup1=wide\nSetup3=lost\n"
      "[Setup: wide]\nSaveOptions=1\nFormat=1\nStale=1\n");
  gViewOptions.Format = FORMAT_RAW;
  SaveNamedSetup("Setup: WIDE", SAVE_FORMAT | SAVE_COLORS, nullptr, Titles());
  EXPECT_FALSE(profile_.Has("Setup: wide", "Stale")) << "the section is written afresh";
  EXPECT_EQ(profile_.Get("Setup: wide", "Format"), "2");
  EXPECT_EQ(profile_.Get("Setup: wide", "SaveOptions"), "257");
  EXPECT_EQ(ReadSetupList(), (std::vector<std::string>{"wide"})) << "a gap ends the list";

  SaveNamedSetup("Setup: narrow", SAVE_TITLES, nullptr, Titles());
  EXPECT_EQ(profile_.Get(kSetupListSection, "Setup2"), "narrow") << "stored in the gap";
  EXPECT_EQ(profile_.Get("Setup: narrow", "Titles"), "0");
  EXPECT_FALSE(profile_.Has("Setup: narrow", "Format"));
}

TEST_F(NamedSetups, LoadingTakesOnlyTheGroupsTheSetupHolds) {
  Use("[Setup: titles]\nSaveOptions=2\nFormat=1\nTitles=1\nTitle1=HEAD\n"
      "[Setup: by hand]\nFormat=1\nWindowPos=10,20,300,400\nTagText=255\n");
  LoadSetup("Setup: titles", Titles());
  EXPECT_EQ(TitleLines(), (std::vector<std::string>{"HEAD"}));
  EXPECT_EQ(gViewOptions.Format, FORMAT_TEXT) << "the format group was not saved";
  EXPECT_EQ(gNamedSetup.LastGroupMask, SAVE_TITLES);

  LoadSetup("Setup: by hand", TitleBlocks{});  // no SaveOptions: every group
  EXPECT_EQ(gViewOptions.Format, FORMAT_HEX);
  EXPECT_EQ(gViewOptions.Window.Left, 20);
  EXPECT_EQ(gColors[CLR_TAG], 255u);
  EXPECT_EQ(TitleLines(), (std::vector<std::string>{"HEAD"})) << "no table lent: titles kept";
  EXPECT_EQ(gNamedSetup.LastGroupMask, -1);
}
