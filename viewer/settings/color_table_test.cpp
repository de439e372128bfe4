#include "viewer/settings/color_table.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
uint32_t gHighlight = 0x800000;

uint32_t FakeSystem(SystemColor which) {
  switch (which) {
    case SYS_WINDOW_TEXT: return 0x010101;
    case SYS_WINDOW: return 0x020202;
    case SYS_HIGHLIGHT_TEXT: return 0x030303;
    case SYS_HIGHLIGHT: return gHighlight;
    case SYS_MENU_TEXT: return 0x050505;
    case SYS_MENU: return 0x060606;
    case SYS_APP_WORKSPACE: return 0x070707;
  }
  return 0;
}

class Colors : public ::testing::Test {
 protected:
  void SetUp() override {
    gHighlight = 0x800000;
    gSetupSettings = SetupSettings{};
    SetSystemColorLookup(FakeSystem);
    gColors.fill(0xABCDEF);
    Use("");
  }
  void TearDown() override { SetSystemColorLookup(nullptr); }
  void Use(const std::string& ini) {
    profile_ = MemoryProfile(ini);
    SetProfileStore(&profile_);
  }
  MemoryProfile profile_;
};
}  // namespace

TEST_F(Colors, DefaultsFollowTheSystemAtTheMomentTheyAreTaken) {
  EXPECT_TRUE(ResetColors(kAllScreenColors));
  const uint32_t screen[] = {0x010101, 0x020202, 0x030303, 0x800000, 0x050505, 0x060606,
                             0x000000, 0x0000FF, 0x000000, 0x00FF00, 0x070707};
  for (int i = 0; i <= CLR_WINDOW_BGND; ++i) EXPECT_EQ(gColors[i], screen[i]) << "entry " << i;
  EXPECT_EQ(gColors[CLR_FIRST_SHADE], 0xABCDEFu) << "the screen group leaves the shades";

  EXPECT_TRUE(ResetColors(kAllPrintShades));
  const uint32_t shades[] = {0x000000, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000,
                             0xE0E0E0, 0xFFFFFF, 0x000000, 0xE0E0E0};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(gColors[CLR_FIRST_SHADE + i], shades[i]) << "shade " << i;

  gHighlight = 0x123456;
  gColors[CLR_TAG_BGND] = 1;
  EXPECT_TRUE(ResetColors(CLR_TAG_BGND));
  EXPECT_EQ(gColors[CLR_TAG_BGND], 0x123456u);
  EXPECT_FALSE(ResetColors(20));
  EXPECT_FALSE(ResetColors(-3));
}

TEST_F(Colors, ShadesConvertBothWays) {
  const struct {
    int shade;
    uint32_t grey;
  } cases[] = {{0, 0xFFFFFF}, {1, 0xE0E0E0}, {2, 0xC0C0C0},
               {4, 0x808080}, {7, 0x202020}, {8, 0x000000}};
  for (const auto& c : cases) {
    EXPECT_EQ(ShadeToGrey(c.shade), c.grey) << c.shade;
    EXPECT_EQ(GreyToShade(c.grey), c.shade) << c.shade;
  }
  for (int s = 0; s <= 8; ++s) EXPECT_EQ(GreyToShade(ShadeToGrey(s)), s);
  EXPECT_EQ(GreyToShade(0x0012FF), 0) << "a red component of 255 shows as shade 0";
  EXPECT_EQ(ShadeToGrey(-4), 0xFFFFFFu);
  EXPECT_EQ(ShadeToGrey(12), 0u);
}

TEST_F(Colors, ReadTakesDefaultsAndLeadingDigits) {
  Use("[Tarvo Colors]\nTagBgnd=255\nWindowText=  "
      "-1x\nMessageText=\nBackground=junk\nPrintTagB=8421504\n");
  ReadColors(kColorsSection);
  EXPECT_EQ(gColors[CLR_TAG_BGND], 255u);
  EXPECT_EQ(gColors[CLR_TEXT], 0xFFFFFFFFu) << "signed parse keeps the low 32 bits";
  EXPECT_EQ(gColors[CLR_MESSAGE], 0u) << "an empty key gives black";
  EXPECT_EQ(gColors[CLR_WINDOW_BGND], 0u);
  EXPECT_EQ(gColors[CLR_TAG], 0x030303u) << "missing keys take the default";
  EXPECT_EQ(gColors[CLR_FIRST_SHADE], 0xABCDEFu) << "ReadColors leaves the shades";
  ReadPrintShades(kColorsSection);
  EXPECT_EQ(gColors[14], 0x808080u);
  EXPECT_EQ(gColors[19], 0xE0E0E0u);
}

TEST_F(Colors, SaveStoresOnlyChangedEntriesAndRoundTrips) {
  Use("[Tarvo Colors]\nWindowText=5\nPrintBgnd=0\n");
  ResetColors(kAllScreenColors);
  ResetColors(kAllPrintShades);
  EXPECT_TRUE(SaveColors(kColorsSection));
  EXPECT_TRUE(SavePrintShades(kColorsSection));
  EXPECT_FALSE(profile_.Has(kColorsSection, "WindowText")) << "unchanged colours delete their keys";
  EXPECT_FALSE(profile_.Has(kColorsSection, "PrintBgnd"));

  gColors[CLR_TAG_BGND] = 255;
  gColors[16] = ShadeToGrey(4);
  SaveColors(kColorsSection);
  SavePrintShades(kColorsSection);
  EXPECT_EQ(profile_.Get(kColorsSection, "TagBgnd"), "255");
  EXPECT_EQ(profile_.Get(kColorsSection, "PrintHeadB"), "8421504");
  EXPECT_FALSE(profile_.Has(kColorsSection, "TagText"));

  // The system highlight changes: the stored red stays, the tagged text follows.
  gHighlight = 0x00AA00;
  ResetColors(kAllScreenColors);
  ResetColors(kAllPrintShades);
  ReadColors(kColorsSection);
  ReadPrintShades(kColorsSection);
  EXPECT_EQ(gColors[CLR_TAG_BGND], 255u);
  EXPECT_EQ(gColors[CLR_TAG], 0x030303u);
  EXPECT_EQ(gColors[16], 0x808080u);
}

TEST_F(Colors, ReadOnlyProfileWritesNothing) {
  Use("[Tarvo Colors]\nWindowText=5\n");
  gSetupSettings.ProfileReadOnly = true;
  ResetColors(kAllScreenColors);
  gColors[CLR_TAG] = 9;
  EXPECT_FALSE(SaveColors(kColorsSection));
  EXPECT_FALSE(SavePrintShades(kColorsSection));
  EXPECT_EQ(profile_.Get(kColorsSection, "WindowText"), "5");
  EXPECT_FALSE(profile_.Has(kColorsSection, "TagText"));
}

TEST_F(Colors, ProfileLoadsReadTheColourGroups) {
  Use("[Tarvo Colors]\nTagBgnd=255\nPrintText=12632256\n[Setup: A]\nTagBgnd=65280\nPrintText=0\n");
  gSetupSettings = SetupSettings{};
  LoadProfile();
  EXPECT_EQ(gColors[CLR_TAG_BGND], 255u);
  EXPECT_EQ(gColors[CLR_FIRST_SHADE], 0xC0C0C0u);
  LoadProfileGroups("Setup: A", SAVE_COLORS);
  EXPECT_EQ(gColors[CLR_TAG_BGND], 0xFF00u);
  EXPECT_EQ(gColors[CLR_FIRST_SHADE], 0xC0C0C0u) << "the shades belong to their own group";
  LoadProfileGroups("Setup: A", SAVE_PRINT_SHADES);
  EXPECT_EQ(gColors[CLR_FIRST_SHADE], 0u);
}
