#include "shell/app/button_table.h"

#include <vector>

#include "common/text_copy.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/core/button_settings.h"
#include "shell/resources/shell_ids.h"

namespace {

constexpr int kTipCodeMask = 0x3F;

std::vector<ButtonSetting> TableSettings() {
  std::vector<ButtonSetting> settings;
  for (int i = 0; i < ShellState.ButtonCount; ++i) {
    settings.push_back({ShellState.ButtonTable[i].Code, ShellState.ButtonTable[i].Accelerator});
  }
  return settings;
}

}  // namespace

void LoadButtonBitmaps() {
  HINSTANCE instance = ShellState.instance;
  ShellState.ButtonFaces = LoadBitmapA(instance, "htbuttons");
  ShellState.GreyedFaces = LoadBitmapA(instance, "zrgbuttons");
  ShellState.AltKeys = LoadBitmapA(instance, "altkeys");
  ShellState.CtlKeys = LoadBitmapA(instance, "ctlkeys");
}

void DeleteButtonBitmaps() {
  for (HBITMAP* bitmap : {&ShellState.ButtonFaces, &ShellState.GreyedFaces, &ShellState.AltKeys,
                          &ShellState.CtlKeys}) {
    if (*bitmap) DeleteObject(*bitmap);
    *bitmap = nullptr;
  }
}

bool ReadButtonTable() {
  FreeButtonTable();
  const std::vector<ButtonSetting> settings = ReadButtonSettings(ShellIni());
  const size_t entries = settings.empty() ? 1 : settings.size();
  auto* table = static_cast<ButtonEntry*>(GlobalAlloc(GPTR, entries * sizeof(ButtonEntry)));
  if (!table) return false;
  for (size_t i = 0; i < settings.size(); ++i) {
    table[i].Code = settings[i].Code;
    table[i].Accelerator = settings[i].Accelerator;
    if (settings[i].Code) {
      CopyText(table[i].Text, ShellString(IDS_BUTTON_TIPS + (settings[i].Code & kTipCodeMask)));
    }
  }
  ShellState.ButtonTable = table;
  ShellState.ButtonCount = static_cast<int>(settings.size());
  return true;
}

void FreeButtonTable() {
  if (ShellState.ButtonTable) GlobalFree(ShellState.ButtonTable);
  ShellState.ButtonTable = nullptr;
  ShellState.ButtonCount = 0;
}

int ButtonForKey(int character, bool ctrl) {
  return ButtonForKey(TableSettings(), AcceleratorLetter(character), ctrl);
}
