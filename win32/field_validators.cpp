#include "win32/field_validators.h"

#include <cstdio>

#include "common/auto_base_number.h"
#include "common/decimal_number.h"
#include "win32/message_report.h"

namespace {
constexpr int kFieldChars = 128;

bool Report(HWND dialog, int control, const char* text) {
  ReportMessage(dialog, text, "Bad Options", MB_OK | MB_ICONHAND);
  SetFocus(GetDlgItem(dialog, control));
  return false;
}

const char* NumberName(const char* name) { return name ? name : "Value"; }

struct FieldText {
  char text[kFieldChars + 1] = "";
  FieldText(HWND dialog, int control) { GetDlgItemTextA(dialog, control, text, sizeof text); }
};

char DecimalSeparator() {
  char text[4] = ".";
  GetProfileStringA("intl", "sDecimal", ".", text, sizeof text);
  return text[0] ? text[0] : '.';
}
}  // namespace

bool ValidateIntField(HWND dialog, int control, int min, int max, const char* name) {
  BOOL converted = FALSE;
  int value = static_cast<int>(GetDlgItemInt(dialog, control, &converted, TRUE));
  if (converted && value >= min && value <= max) return true;
  char text[160];
  std::snprintf(text, sizeof text, "%s must be a number between %d and %d!", NumberName(name), min,
                max);
  return Report(dialog, control, text);
}

bool ValidateLongField(HWND dialog, int control, int64_t min, int64_t max, const char* name) {
  FieldText field(dialog, control);
  char text[200];
  if (field.text[0]) {
    AutoBaseNumber number = ParseAutoBaseNumber(field.text, false);
    if (char stop = field.text[number.Length]) {
      std::snprintf(text, sizeof text, "Invalid character \"%c\" in %s.", stop, NumberName(name));
      return Report(dialog, control, text);
    }
    if (number.Value >= min && number.Value <= max) return true;
  }
  std::snprintf(text, sizeof text, "%s must be a number between %lld and %lld!", NumberName(name),
                static_cast<long long>(min), static_cast<long long>(max));
  return Report(dialog, control, text);
}

int64_t ReadLongField(HWND dialog, int control, bool* ok, bool isSigned) {
  *ok = false;
  FieldText field(dialog, control);
  if (!field.text[0]) return 0;
  AutoBaseNumber number = ParseAutoBaseNumber(field.text, isSigned);
  *ok = field.text[number.Length] == '\0';
  return number.Value;
}

bool ValidateDecimalField(HWND dialog, int control, int32_t min, int32_t max, int decimals,
                          const char* name) {
  FieldText field(dialog, control);
  const char separator = DecimalSeparator();
  char text[200];
  if (field.text[0]) {
    int32_t value = 0;
    int bad = ParseDecimal(field.text, separator, decimals, &value);
    // Blanks or a lone minus sign name no character: the range says more.
    if (bad != 0 && field.text[bad - 1] != '\0') {
      std::snprintf(text, sizeof text, "Invalid character \"%c\" in %s.", field.text[bad - 1],
                    NumberName(name));
      return Report(dialog, control, text);
    }
    if (bad == 0 && value >= min && value <= max) return true;
  }
  char low[24], high[24];
  FormatDecimal(low, separator, decimals, min);
  FormatDecimal(high, separator, decimals, max);
  std::snprintf(text, sizeof text, "%s must be a number between %s and %s!", NumberName(name), low,
                high);
  return Report(dialog, control, text);
}

bool ValidateComboChoice(HWND dialog, int control, const char* name) {
  if (SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0) != CB_ERR) return true;
  char text[96];
  std::snprintf(text, sizeof text, "You must choose a %s !", name ? name : "value");
  return Report(dialog, control, text);
}
