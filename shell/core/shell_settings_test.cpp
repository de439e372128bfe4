#include "shell/core/shell_settings.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"

TEST(ShellSettings, FirstRunReadsDefaultsAndWritesEveryKeyBackInFiveDigits) {
  MemoryProfile ini, launcher;
  EXPECT_EQ(TouchLauncherAutoView(launcher), 0);
  EXPECT_EQ(launcher.Get("auto", "autoview"), "00000");
  const ShellFlags flags = ReadShellFlags(ini, "Skimmet");
  EXPECT_TRUE(flags.AutoTop && flags.AutoOpen && flags.SaveIconPos);
  EXPECT_FALSE(flags.HideIcon || flags.Visible);
  EXPECT_STREQ(flags.IconCaption, "Skimmet");
  for (const char* key : {"autotop", "autoopen", "saveiconpos"})
    EXPECT_EQ(ini.Get("viewer", key), "00001") << key;
  for (const char* key : {"hideicon", "visible"}) EXPECT_EQ(ini.Get("viewer", key), "00000") << key;
  EXPECT_EQ(ini.Get("viewer", "iconcaption"), "Skimmet");
  EXPECT_EQ(ReadViewerRect(ini), (ScreenRect{35, 49, 425, 409}));
  const SharedFontSettings font = ReadSharedFontSettings(ini, 96);
  EXPECT_EQ(font.Points, 8);
  EXPECT_EQ(font.Weight, 400);
  EXPECT_STREQ(font.FaceName, "Courier");
}

TEST(ShellSettings, StoredValuesWinAndAnEmptyValueReadsTheDefault) {
  MemoryProfile ini(
      "[viewer]\nautotop=00000\nhideicon=7\nvisible=\niconcaption=Drop here\nleft=00010\n"
      "[fonts]\npoints=00012\nitalic=00001\nfacename=Fixedsys\n");
  const ShellFlags flags = ReadShellFlags(ini, "Skimmet");
  EXPECT_FALSE(flags.AutoTop);
  EXPECT_TRUE(flags.HideIcon);
  EXPECT_EQ(ini.Get("viewer", "hideicon"), "00001") << "a flag is written back as 0 or 1";
  EXPECT_FALSE(flags.Visible);
  EXPECT_STREQ(flags.IconCaption, "Drop here");
  EXPECT_EQ(ReadViewerRect(ini).Left, 10);
  const SharedFontSettings font = ReadSharedFontSettings(ini, 96);
  EXPECT_EQ(font.Points, 12);
  EXPECT_TRUE(font.Italic);
  EXPECT_STREQ(font.FaceName, "Fixedsys");
}

TEST(ShellSettings, SavingWritesFiveDigitsAndCoordinatesInRange) {
  MemoryProfile ini;
  const ScreenRect normal{-20, 5, 123456, 400};
  SaveViewerPlacement(ini, false, &normal);
  EXPECT_EQ(ini.Get("viewer", "maximized"), "00000");
  EXPECT_EQ(ini.Get("viewer", "left"), "00000") << "off the left edge is stored at 0";
  EXPECT_EQ(ini.Get("viewer", "right"), "99999");
  SaveViewerPlacement(ini, true, nullptr);
  EXPECT_EQ(ini.Get("viewer", "maximized"), "00001");
  EXPECT_EQ(ini.Get("viewer", "top"), "00005") << "a maximised window keeps the rectangle";

  ShellExitSettings exit;
  exit.WordWrap = true;
  exit.Font.Weight = 700;
  exit.Font.CharSet = -1;
  SaveShellSettings(ini, exit);
  EXPECT_FALSE(ini.Has("viewer", "iconleft")) << "the icon's place only when kept";
  EXPECT_EQ(ini.Get("viewer", "wordwrap"), "00001");
  EXPECT_EQ(ini.Get("fonts", "weight"), "00700");
  EXPECT_EQ(ini.Get("fonts", "charset"), "00000") << "the nearest value five digits hold";
  exit.KeepIconPlace = true;
  exit.IconLeft = 640;
  SaveShellSettings(ini, exit);
  EXPECT_EQ(ini.Get("viewer", "iconleft"), "00640");
  EXPECT_EQ(ini.Get("viewer", "icontop"), "00000");
}

TEST(ShellSettings, FontHeightFollowsThePointsAndABoldFontSurvivesARestart) {
  MemoryProfile ini("[fonts]\npoints=00010\n");
  EXPECT_EQ(ReadSharedFontSettings(ini, 96).Height, -13);
  EXPECT_EQ(ReadSharedFontSettings(ini, 120).Height, -16);
  ShellExitSettings exit;
  exit.Font = ReadSharedFontSettings(ini, 96);
  exit.Font.Weight = 700;
  SaveShellSettings(ini, exit);
  const SharedFontSettings again = ReadSharedFontSettings(ini, 96);
  EXPECT_EQ(again.Weight, 700);
  EXPECT_EQ(again.Points, 10);
}
