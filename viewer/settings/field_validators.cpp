#include "viewer/settings/field_validators.h"

#include <cstdio>

#include "viewer/services/ui_seam.h"

namespace {
bool Report(HWND dialog, int control, const char* text) {
  ReportMessage(dialog, text, "Bad Options", MB_OK | MB_ICONHAND);
  SetFocus(GetDlgItem(dialog, control));
  return false;
}
}  // namespace

bool ValidateIntField(HWND dialog, int control, int min, int max, const char* name) {
  BOOL converted = FALSE;
  int value = static_cast<int>(GetDlgItemInt(dialog, control, &converted, TRUE));
  if (converted && value >= min && value <= max) return true;
  char text[160];
  std::snprintf(text, sizeof text, "%s must be a number between %d and %d!", name, min, max);
  return Report(dialog, control, text);
}
