#include "viewer/settings/profile_groups.h"

#include <gtest/gtest.h>

#include <cctype>

#include "common/memory_profile.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
class ProfileGroups : public ::testing::Test {
 protected:
  void Use(const std::string& ini) {
    profile_ = MemoryProfile(ini);
    SetProfileStore(&profile_);
  }
  void SetUp() override {
    gViewOptions = ViewOptions{};
    gSetupSettings = SetupSettings{};
    gRecent = RecentLists{};
    Use("");
  }
  void LoadDisplay(const std::string& ini) {
    Use(ini);
    LoadProfileGroups(kMainSection, SAVE_FORMAT);
  }
  MemoryProfile profile_;
};
}  // namespace

TEST_F(ProfileGroups, NoProfileGivesTheAbsentKeyValues) {
  LoadProfile();
  const ViewOptions& vo = gViewOptions;
  EXPECT_EQ(vo.Format, 0);
  EXPECT_EQ(vo.CharCode, 0);
  EXPECT_EQ(vo.FormatFlags[0], 0x220u);
  EXPECT_EQ(vo.FormatFlags[1], 0x3u);
  EXPECT_EQ(vo.FormatFlags[2], 0x1u);
  EXPECT_EQ(vo.CurrentFlags, 0x220u);
  EXPECT_EQ(vo.LineLength, 127);
  EXPECT_EQ(vo.TabLength, 8);
  EXPECT_EQ(vo.VertScroll, 2);
  EXPECT_EQ(vo.HorzScroll, 0);
  EXPECT_STREQ(vo.FontName, "Courier New");
  EXPECT_EQ(vo.FontSize, 10);
  EXPECT_EQ(vo.Window.Left, kUseDefault);
  EXPECT_EQ(vo.Window.Top, kUseDefault);
  EXPECT_EQ(vo.Window.Width, kUseDefault);
  EXPECT_EQ(vo.Window.Height, kUseDefault);
}

TEST_F(ProfileGroups, OutOfRangeValuesAreClamped) {
  LoadDisplay(
      "[Tarvo]\nFormat=7\nCharCode=-1\nLineLength=5\nTabLength=0\nVertScroll=5\n"
      "HorzScroll=-3\nFont=Lucida Console,500\nFontWeight=2000\nFontItalic=257\n");
  const ViewOptions& vo = gViewOptions;
  EXPECT_EQ(vo.Format, 3);
  EXPECT_EQ(vo.CurrentFlags, 0u) << "format 3 takes the flag word of slot 3";
  EXPECT_EQ(vo.CharCode, 3);
  EXPECT_EQ(vo.LineLength, 8);
  EXPECT_EQ(vo.TabLength, 1);
  EXPECT_EQ(vo.VertScroll, 2);
  EXPECT_EQ(vo.HorzScroll, 0);
  EXPECT_STREQ(vo.FontName, "Lucida Console");
  EXPECT_EQ(vo.FontSize, 240);
  EXPECT_EQ(vo.FontWeight, 900);
  EXPECT_EQ(vo.FontItalic, 1);

  LoadDisplay("[Tarvo]\nTabLength=300\nFormat=-1\nLineLength=99999999999999\nFont=Arial\n");
  EXPECT_EQ(gViewOptions.TabLength, 255);
  EXPECT_EQ(gViewOptions.Format, 3);
  EXPECT_EQ(gViewOptions.LineLength, 2147483647) << "huge numbers saturate";
  EXPECT_EQ(gViewOptions.FontSize, 240) << "a font without a size keeps the previous size";
}

TEST_F(ProfileGroups, GarbageAndEmptyValuesReadAsZero) {
  LoadDisplay(
      "[Tarvo]\nFormat=abc\nLineLength=\nTabLength= 12x\nOptions0=\nOptions1=  -1\n"
      "Options2=junk\nFont=,\n");
  const ViewOptions& vo = gViewOptions;
  EXPECT_EQ(vo.Format, 0);
  EXPECT_EQ(vo.LineLength, 8);
  EXPECT_EQ(vo.TabLength, 12);
  EXPECT_EQ(vo.FormatFlags[0], 0x220u) << "an empty flag word keeps its value";
  EXPECT_EQ(vo.FormatFlags[1], 0xFFFFFFFFu & ~FMT_CODE_MASK) << "signed parse, then the code bits";
  EXPECT_EQ(vo.FormatFlags[2], 0u);
  EXPECT_STREQ(vo.FontName, "");
  EXPECT_EQ(vo.FontSize, 10);
}

TEST_F(ProfileGroups, AFontFromTheProfileTakesTheDefaultCharacterSetAgain) {
  gViewOptions.FontDetail.CharSet = 204;  // as a font dialog may leave it
  LoadDisplay("[Tarvo]\nFont=Arial,9\n");
  EXPECT_EQ(gViewOptions.FontDetail.CharSet, kDefaultCharSet);
}

TEST_F(ProfileGroups, CharCodeSetsTheCodeBitsOfEveryWord) {
  LoadDisplay("[Tarvo]\nCharCode=2\nFormat=1\nOptions1=65\n");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gViewOptions.FormatFlags[i] & 0xC0u, 0x80u);
  }
  EXPECT_EQ(gViewOptions.CurrentFlags, 0x81u);
}

TEST_F(ProfileGroups, UnicodeCodesAndDetection) {
  struct Case {
    const char* profile;
    int code;
    uint32_t bits;
    int detect;
  };
  const Case cases[] = {
      {"[Tarvo]\nFormat=1\n", CODE_ANSI, 0, 1},    // detection is on for a new profile
      {"[Tarvo]\nCharCode=0\n", CODE_ANSI, 0, 0},  // a code chosen before keeps it
      {"[Tarvo]\nCharCode=4\n", CODE_UTF8, FMT_UTF8, 0},
      {"[Tarvo]\nCharCode=5\nDetectCode=1\n", CODE_UTF16LE, FMT_UTF16LE, 1},
      {"[Tarvo]\nCharCode=6\nOptions0=64\n", CODE_UTF16BE, FMT_UTF16BE, 0},
      {"[Tarvo]\nCharCode=7\n", CODE_NONE, 0, 0},
  };
  for (const Case& c : cases) {
    LoadDisplay(c.profile);
    EXPECT_EQ(gViewOptions.CharCode, c.code) << c.profile;
    EXPECT_EQ(gViewOptions.FormatFlags[0] & FMT_CODE_MASK, c.bits) << c.profile;
    EXPECT_EQ(gViewOptions.DetectCode, c.detect) << c.profile;
  }
}

TEST_F(ProfileGroups, WindowPosIsTopLeftHeightWidth) {
  Use("[Tarvo]\nWindowPos=10,20,300,400\n");
  LoadProfileGroups(kMainSection, SAVE_WINDOW_POS);
  EXPECT_EQ(gViewOptions.Window.Top, 10);
  EXPECT_EQ(gViewOptions.Window.Left, 20);
  EXPECT_EQ(gViewOptions.Window.Height, 300);
  EXPECT_EQ(gViewOptions.Window.Width, 400);
  Use("[Tarvo]\nWindowPos=7\n");
  LoadProfileGroups(kMainSection, SAVE_WINDOW_POS);
  EXPECT_EQ(gViewOptions.Window.Top, 7);
  EXPECT_EQ(gViewOptions.Window.Width, 0) << "a missing number reads as 0";
}

TEST_F(ProfileGroups, SetupSettingsKeepMissingKeysAndClampRates) {
  Use("[Tarvo Setup]\nCuaKeyboard=1\nFastMouseDelay=0\nFastMouseLines=-4\nSlowMouseDelay=-1\n"
      "SlowMouseLines=-9\nPageIndexingBuffer=4096\nPageIndexingDelay=0\n");
  ReadSetupSettings();
  const SetupSettings& s = gSetupSettings;
  EXPECT_EQ(s.CuaKeyboard, 1);
  EXPECT_EQ(s.FastMouseDelay, 1);
  EXPECT_EQ(s.FastMouseLines, 0);
  EXPECT_EQ(s.SlowMouseDelay, 1);
  EXPECT_EQ(s.SlowMouseLines, 0);
  EXPECT_EQ(s.PageIndexingBuffer, 4096);
  EXPECT_EQ(s.MruFiles, 1);
  EXPECT_EQ(s.PageIndexingDelay, 1);
}

TEST_F(ProfileGroups, SwitchesSetAndClearFlagsAndChooseFormats) {
  LoadProfile();
  const char none[26] = {};
  char sw[26] = {};
  sw['W' - 'A'] = 'w';
  sw['E' - 'A'] = 'E';
  sw['B' - 'A'] = 'B';
  sw['C' - 'A'] = 'c';
  sw['T' - 'A'] = 't';
  sw['R' - 'A'] = 'R';
  sw['Y' - 'A'] = 'y';
  sw['S' - 'A'] = 's';
  gViewOptions.CurrentFlags |= FMT_WRAP;
  ApplySwitches(sw);
  const ViewOptions& vo = gViewOptions;
  EXPECT_EQ(vo.CurrentFlags & FMT_WRAP, 0u);
  EXPECT_NE(vo.CurrentFlags & FMT_EXPAND_TABS, 0u);
  EXPECT_NE(vo.CurrentFlags & FMT_SHOW_BACKGROUND, 0u);
  EXPECT_EQ(vo.CharCode, 2);
  EXPECT_EQ(vo.CurrentFlags & 0xC0u, 0x80u);
  EXPECT_EQ(vo.Format, 2) << "R is applied after T";
  EXPECT_EQ(vo.EscExit, 1);
  EXPECT_EQ(gSetupSettings.MruFiles, 0);
  EXPECT_EQ(gSetupSettings.MruSearch, 0);
  uint32_t before = vo.CurrentFlags;
  ApplySwitches(none);
  EXPECT_EQ(vo.CurrentFlags, before);

  const struct {
    char letter;
    int code;
  } unicode[] = {{'u', CODE_UTF8}, {'I', CODE_UTF16LE}, {'K', CODE_UTF16BE}};
  for (const auto& u : unicode) {
    char one[26] = {};
    one[std::toupper(u.letter) - 'A'] = u.letter;
    gViewOptions.DetectCode = 1;
    ApplySwitches(one);
    EXPECT_EQ(vo.CharCode, u.code) << u.letter;
    EXPECT_EQ(vo.CurrentFlags & FMT_CODE_MASK, CodeFlagBits(u.code)) << u.letter;
    EXPECT_EQ(vo.DetectCode, 0) << "a code named on the command line stays";
  }
}

TEST_F(ProfileGroups, SaveWritesEveryKeyAndNothingWhenReadOnly) {
  LoadDisplay("[Tarvo]\nOptions0=4294967295\nVertScroll=-1\n");
  gViewOptions.SavePos = 1;
  ScreenRect r{20, 10, 420, 310};
  ASSERT_TRUE(SaveViewOptions("Setup: x", &r));
  EXPECT_EQ(profile_.Get("Setup: x", "Options0"), std::to_string(0xFFFFFFFFu & ~FMT_CODE_MASK));
  EXPECT_EQ(profile_.Get("Setup: x", "VertScroll"), "0");
  EXPECT_EQ(profile_.Get("Setup: x", "Font"), "Courier New,10");
  EXPECT_EQ(profile_.Get("Setup: x", "WindowPos"), "10,20,300,400");
  EXPECT_EQ(profile_.Get("Setup: x", "FreezeColumns"), "0");

  gSetupSettings.ProfileReadOnly = true;
  EXPECT_FALSE(SaveViewOptions("Setup: y", &r));
  EXPECT_FALSE(profile_.Has("Setup: y", "Format"));
}
