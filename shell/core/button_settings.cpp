#include "shell/core/button_settings.h"

#include <cstdio>

namespace {

constexpr int kCommandMask = 0x7F;
constexpr int kAcceleratorShift = 7;
constexpr int kMaxButtons = 1000;  // more than any bar can show

// The keys of the section when the file has none: a gap, then Launch, Copy,
// Select All, New Window, Goto, Find, Last, Next, Zoom Out, Zoom In, Print
// and Play, each on Alt + a letter of its name.
constexpr int kDefaultValues[kDefaultButtonCount] = {0,    129,  387,  2434, 1668, 901, 1158,
                                                     1543, 1800, 1937, 3346, 2313, 2058};

constexpr int kOffered[] = {1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0};

void ButtonKey(int n, char* key, size_t size) { std::snprintf(key, size, "button%d", n); }

}  // namespace

ButtonSetting DecodeButtonValue(int value) {
  ButtonSetting button;
  button.Code = value & kCommandMask;
  button.Accelerator = value >> kAcceleratorShift;
  if ((button.Accelerator & kAcceleratorLetterMask) == 0) button.Accelerator = 0;
  return button;
}

int EncodeButtonValue(const ButtonSetting& button) {
  return (button.Code & kCommandMask) | (button.Accelerator << kAcceleratorShift);
}

int DefaultButtonValue(int n) {
  return n >= 1 && n <= kDefaultButtonCount ? kDefaultValues[n - 1] : 0;
}

std::vector<ButtonSetting> ReadButtonSettings(ProfileStore& ini) {
  std::vector<ButtonSetting> buttons;
  const int count = ini.GetInt(kButtonSection, "num", kDefaultButtonCount);
  if (count <= 0 || count > kMaxButtons) return buttons;
  buttons.reserve(count);
  for (int n = 1; n <= count; ++n) {
    char key[16];
    ButtonKey(n, key, sizeof key);
    buttons.push_back(DecodeButtonValue(ini.GetInt(kButtonSection, key, DefaultButtonValue(n))));
  }
  return buttons;
}

bool WriteButtonSettings(ProfileStore& ini, const char* section,
                         std::span<const ButtonSetting> buttons) {
  bool written = ini.WriteFiveDigits(section, "num", static_cast<int>(buttons.size()));
  for (size_t i = 0; i < buttons.size(); ++i) {
    char key[16];
    ButtonKey(static_cast<int>(i + 1), key, sizeof key);
    written = ini.WriteFiveDigits(section, key, EncodeButtonValue(buttons[i])) && written;
  }
  return written;
}

int AcceleratorLetter(int character) {
  if (character >= 'a' && character <= 'z') character -= 'a' - 'A';
  return character >= 'A' && character <= 'Z' ? character - 'A' + 1 : 0;
}

int ButtonForKey(std::span<const ButtonSetting> buttons, int letter, bool ctrl) {
  if (letter < 1 || letter > 26) return -1;
  const int wanted = ctrl ? letter | kCtrlAccelerator : letter;
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (ctrl && buttons[i].Code == 0) continue;
    if (buttons[i].Accelerator == wanted) return static_cast<int>(i);
  }
  return -1;
}

std::span<const int> OfferedButtonCommands() { return kOffered; }
