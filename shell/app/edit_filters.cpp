#include "shell/app/edit_filters.h"

#include "shell/core/entry_sets.h"
#include "shell/core/hex_pairs.h"
#include "shell/resources/shell_ids.h"
#include "win32/message_report.h"

namespace {

constexpr int kAsciiChars = 13, kHexDigits = 26;

LRESULT CallPrevious(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongA(edit, GWL_USERDATA));
  return previous ? CallWindowProcA(previous, edit, message, wParam, lParam)
                  : DefWindowProcA(edit, message, wParam, lParam);
}

// A character, or a key that the edit itself turns into a change (a key
// posted without its scan code and repeat count is not one).
bool Typed(UINT message, LPARAM lParam) {
  return message == WM_CHAR || (message == WM_KEYDOWN && (lParam & 0xFFFFFF) != 0);
}

// The typed character upper-cased when it is in the set; false (after the
// warning beep) when it is not.
bool Admit(EntrySet set, WPARAM* wParam) {
  const unsigned upper = UpperEntryChar(static_cast<unsigned>(*wParam));
  if (!InEntrySet(set, upper)) {
    gMessageBeep(MB_ICONEXCLAMATION);
    return false;
  }
  *wParam = upper;
  return true;
}

}  // namespace

LRESULT CALLBACK ASCIIFindEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Typed(message, lParam)) return CallPrevious(edit, message, wParam, lParam);
  LRESULT result = CallPrevious(edit, message, wParam, lParam);
  char text[kAsciiChars + 1];
  GetWindowTextA(edit, text, sizeof text);
  char digits[kHexDigits + 1];
  BytesToHexDigits(text, digits, sizeof digits);
  SetDlgItemTextA(GetParent(edit), IDC_FIND_HEX, digits);
  return result;
}

LRESULT CALLBACK HexFindEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Typed(message, lParam)) return CallPrevious(edit, message, wParam, lParam);
  if (!Admit(EntrySet::Hex, &wParam)) return 0;
  LRESULT result = CallPrevious(edit, message, wParam, lParam);
  char digits[kHexDigits + 1];
  GetWindowTextA(edit, digits, sizeof digits);
  char text[kAsciiChars + 1];
  HexDigitsToBytes(digits, text, sizeof text);
  SetDlgItemTextA(GetParent(edit), IDC_FIND_TEXT, text);
  return result;
}

LRESULT CALLBACK GoToEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !Admit(EntrySet::Hex, &wParam)) return 0;
  return CallPrevious(edit, message, wParam, lParam);
}

LRESULT CALLBACK NumEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !Admit(EntrySet::Decimal, &wParam)) return 0;
  return CallPrevious(edit, message, wParam, lParam);
}

void SubclassEdit(HWND edit, WNDPROC filter) {
  LONG previous = SetWindowLongA(edit, GWL_WNDPROC, reinterpret_cast<LONG>(filter));
  SetWindowLongA(edit, GWL_USERDATA, previous);
}

void RestoreEditProc(HWND edit) {
  if (LONG previous = GetWindowLongA(edit, GWL_USERDATA)) {
    SetWindowLongA(edit, GWL_WNDPROC, previous);
    SetWindowLongA(edit, GWL_USERDATA, 0);
  }
}
