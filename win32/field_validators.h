// Checks of dialog fields; a failing check has told the user why (caption
// "Bad Options", the hand sound) and put the focus on the field. A null
// name reads "Value" (numbers) or "value" (lists) in the message.
#pragma once
#include <windows.h>

#include <cstdint>

bool ValidateIntField(HWND dialog, int control, int min, int max, const char* name);
// Numbers with automatic base (common/auto_base_number.h): "0x1F" is 31,
// "010" is 8; read unsigned, in 64 bits, and compared signed.
bool ValidateLongField(HWND dialog, int control, int64_t min, int64_t max, const char* name);
// The field as a number with automatic base, signed or unsigned; *ok is set
// when the whole text was a number. Empty text reads 0. No message.
int64_t ReadLongField(HWND dialog, int control, bool* ok, bool isSigned);
// Fixed-point fields (min and max in units of 10^-decimals) with the
// decimal separator of the user's settings.
bool ValidateDecimalField(HWND dialog, int control, int32_t min, int32_t max, int decimals,
                          const char* name);
bool ValidateComboChoice(HWND dialog, int control, const char* name);
