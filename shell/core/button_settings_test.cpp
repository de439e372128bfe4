#include "shell/core/button_settings.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"

TEST(ButtonSettings, ValuesDecodeIntoCommandAndAccelerator) {
  const struct {
    int Value;
    ButtonSetting Button;
  } cases[] = {
      {0, {0, 0}},               // a gap
      {387, {3, 3}},             // Copy, Alt+C
      {2434, {2, 19}},           // Select All, Alt+S
      {3346, {18, 26}},          // Zoom In, Alt+Z
      {4099, {3, 0}},            // Ctrl without a letter is no accelerator
      {(35 << 7) | 9, {9, 35}},  // Print, Ctrl+C
      {127, {127, 0}},           // seven bits of command
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeButtonValue(c.Value), c.Button) << c.Value;
    if (c.Value != 4099) {
      EXPECT_EQ(EncodeButtonValue(c.Button), c.Value) << c.Value;
    }
  }
}

TEST(ButtonSettings, AMissingSectionGivesTheThirteenDefaults) {
  MemoryProfile ini;
  const std::vector<ButtonSetting> buttons = ReadButtonSettings(ini);
  ASSERT_EQ(buttons.size(), 13u);
  const int codes[] = {0, 1, 3, 2, 4, 5, 6, 7, 8, 17, 18, 9, 10};
  const char letters[] = " ACSMGILNOZRP";
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(buttons[i].Code, codes[i]) << i;
    EXPECT_EQ(buttons[i].Accelerator, letters[i] == ' ' ? 0 : letters[i] - 'A' + 1) << i;
  }
}

TEST(ButtonSettings, StoredKeysWinAndKeysPastTheDefaultsAreGaps) {
  MemoryProfile ini("[mainbuttons]\nnum=00015\nbutton2=00009\nbutton3=\nbutton15=04099\n");
  const std::vector<ButtonSetting> buttons = ReadButtonSettings(ini);
  ASSERT_EQ(buttons.size(), 15u);
  EXPECT_EQ(buttons[1], (ButtonSetting{9, 0}));
  EXPECT_EQ(buttons[2], (ButtonSetting{0, 0})) << "an empty value reads as 0";
  EXPECT_EQ(buttons[3], (ButtonSetting{2, 19})) << "a missing key keeps its default";
  EXPECT_EQ(buttons[13], (ButtonSetting{0, 0}));
  EXPECT_EQ(buttons[14], (ButtonSetting{3, 0}));
  for (const char* num : {"0", "-3", "100000"}) {
    MemoryProfile bad(std::string("[mainbuttons]\nnum=") + num + "\n");
    EXPECT_TRUE(ReadButtonSettings(bad).empty()) << num;
  }
}

TEST(ButtonSettings, WrittenInFiveDigitsAndReadBackTheSame) {
  MemoryProfile ini("[mainbuttons]\nnum=00013\n");
  const ButtonSetting buttons[] = {{0, 0}, {6, 9 | kCtrlAccelerator}, {3, 3}};
  ASSERT_TRUE(WriteButtonSettings(ini, kButtonSection, buttons));
  EXPECT_EQ(ini.Get("mainbuttons", "num"), "00003");
  EXPECT_EQ(ini.Get("mainbuttons", "button1"), "00000");
  EXPECT_EQ(ini.Get("mainbuttons", "button2"), "05254");
  EXPECT_EQ(ini.Get("mainbuttons", "button3"), "00387");
  EXPECT_EQ(ReadButtonSettings(ini),
            std::vector<ButtonSetting>(std::begin(buttons), std::end(buttons)));
}

TEST(ButtonSettings, KeysFindTheFirstButtonOfTheirLetterAndModifier) {
  const ButtonSetting buttons[] = {
      {0, 3 | kCtrlAccelerator}, {3, 3}, {9, 3 | kCtrlAccelerator}, {2, 3}};
  EXPECT_EQ(ButtonForKey(buttons, AcceleratorLetter('c'), false), 1);
  EXPECT_EQ(ButtonForKey(buttons, AcceleratorLetter('C'), true), 2) << "a gap runs nothing";
  EXPECT_EQ(ButtonForKey(buttons, AcceleratorLetter('d'), false), -1);
  EXPECT_EQ(AcceleratorLetter('1'), 0);
  EXPECT_EQ(ButtonForKey(buttons, 0, false), -1);
}

TEST(ButtonSettings, NineteenCommandsAreOfferedLaunchAndCopyFirst) {
  const std::span<const int> offered = OfferedButtonCommands();
  ASSERT_EQ(offered.size(), static_cast<size_t>(kButtonCommandCount + 1));
  EXPECT_EQ(offered[0], 1);
  EXPECT_EQ(offered[1], 3);
  EXPECT_EQ(offered[2], 2);
  EXPECT_EQ(offered.back(), 0);
}
