#include "viewer/navigation/find_dialogs.h"

#include <cstdio>
#include <cstring>

#include "viewer/buffer/code_tables.h"
#include "viewer/navigation/hex_text.h"
#include "viewer/navigation/search_conversions.h"
#include "viewer/navigation/search_state.h"
#include "viewer/navigation/search_text_code.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/recent_lists.h"

namespace {
// The records of the dialog that runs (one at a time: they are modal).
const FindDialogRecords* gRecords = nullptr;
const FindDialogRecords& R() { return *gRecords; }

void LoadList(const char* name, char (*slots)[kRecentSearchSlotSize], int& count) {
  if (count != -1) return;
  count = R().KeepRecent ? ReadRecentList(name, slots) : 0;
  if (count < 0) count = 0;
}

// The display form of bytes in the file's character code.
void ToDisplay(const uint8_t* bytes, int length, char* out) {
  CodeTable table = SelectCodeTable(R().FormatFlags);
  for (int i = 0; i < length; ++i) out[i] = static_cast<char>(table[bytes[i]]);
  out[length] = '\0';
}

// Puts text at the front of a recent list; a typed text that was not there
// yet makes the list one longer.
void Promote(char (*slots)[kRecentSearchSlotSize], int& count, int selected, char* text) {
  bool known = selected >= 0;
  for (int i = 0; !known && i < count; ++i) known = std::strcmp(slots[i], text) == 0;
  PromoteRecent(&slots[0][0], kRecentSearchSlots, kRecentSearchSlotSize, selected, text);
  if (!known && count < kRecentSearchSlots) ++count;
}

uint16_t ButtonFlags(HWND dlg, int id, uint16_t flags) {
  return IsDlgButtonChecked(dlg, id) == BST_CHECKED ? flags : 0;
}

void FailValidation(HWND dlg, int combo, const char* text) {
  ReportMessage(dlg, text, "Bad Options", MB_OK | MB_ICONHAND);
  SetFocus(GetDlgItem(dlg, combo));
}

// Find Text ---------------------------------------------------------------

void OpenFindText(HWND dlg) {
  LoadList("Text", R().Recent.Texts, R().Recent.TextCount);
  HWND combo = GetDlgItem(dlg, IDC_TEXT_COMBO);
  SendMessageA(combo, CB_LIMITTEXT, kSearchTextChars, 0);
  for (int i = 0; i < R().Recent.TextCount; ++i) {
    char shown[kRecentSearchSlotSize];
    ToDisplay(reinterpret_cast<const uint8_t*>(R().Recent.Texts[i]),
              static_cast<int>(std::strlen(R().Recent.Texts[i])), shown);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown));
  }
  if (R().Recent.TextCount > 0) SendMessageA(combo, CB_SETCURSEL, 0, 0);
  CheckDlgButton(dlg, IDC_CASE, (R().Search.SearchFlags & SF_CASE) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_FROM_TOP,
                 (R().Search.SearchFlags & SF_FROM_TOP) ? BST_CHECKED : BST_UNCHECKED);
  SetFocus(combo);
}

bool AcceptFindText(HWND dlg, bool markAll) {
  HWND combo = GetDlgItem(dlg, IDC_TEXT_COMBO);
  const int typedLength = GetWindowTextLengthA(combo);
  if (typedLength < 1 || typedLength > kSearchTextChars) {
    char text[96];
    std::snprintf(text, sizeof text, "%s length must be a number between %d and %d!", "Search text",
                  1, kSearchTextChars);
    FailValidation(dlg, IDC_TEXT_COMBO, text);
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  const uint16_t unicode = SearchCodeFlag(R().CharCode);
  R().Search.SearchFlags = SF_TEXT | ButtonFlags(dlg, IDC_CASE, SF_CASE) |
                           ButtonFlags(dlg, IDC_FROM_TOP, SF_FROM_TOP) | unicode;
  int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  if (selected >= R().Recent.TextCount) selected = -1;
  // A typed text is converted; the recent list keeps it as StoredTextToPattern
  // reads it back: converted in the byte codes, as typed in UTF-8 and UTF-16.
  char kept[kRecentSearchSlotSize] = "";
  uint8_t* pattern = R().Search.SearchPattern;
  int32_t length;
  BindSearchConversions();
  if (selected < 0) {
    char typed[kSearchTextChars + 1];
    GetWindowTextA(combo, typed, sizeof typed);
    length = TypedTextToFileCode(typed, R().CharCode, pattern,
                                 unicode ? kSearchPatternBytes : kSearchTextChars);
    if (unicode)
      lstrcpynA(kept, typed, sizeof kept);
    else
      std::memcpy(kept, pattern, static_cast<size_t>(length));
  } else {
    lstrcpynA(kept, R().Recent.Texts[selected], sizeof kept);
    length = StoredTextToPattern(kept, R().CharCode, pattern);
  }
  Promote(R().Recent.Texts, R().Recent.TextCount, selected, kept);
  R().Search.SearchLength = length;
  if (markAll) R().Search.SearchFlags |= SF_MARK_ALL;
  return true;
}

INT_PTR CALLBACK FindTextProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: OpenFindText(dlg); return FALSE;  // the focus is set
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDC_MARK_ALL:
          if (AcceptFindText(dlg, LOWORD(wParam) == IDC_MARK_ALL)) EndDialog(dlg, 1);
          return TRUE;
        case IDCANCEL: EndDialog(dlg, 0); return TRUE;
      }
      break;
  }
  return FALSE;
}

// Find Hex ----------------------------------------------------------------

// The dialog previews its hex text in the search pattern; a cancelled dialog
// puts back the pattern the search was defined with.
struct SavedPattern {
  uint8_t bytes[kSearchPatternBytes];
  int32_t length;
};
SavedPattern gPatternBeforeHex;

// Shows the search bytes as characters of the file's code.
void ShowHexBytes(HWND dlg) {
  char shown[kSearchPatternBytes + 1];
  int n =
      R().Search.SearchLength > kSearchPatternBytes ? kSearchPatternBytes : R().Search.SearchLength;
  ToDisplay(R().Search.SearchPattern, n, shown);
  SetDlgItemTextA(dlg, IDC_HEX_BYTES, shown);
}

// The hex text the dialog would search for: the chosen entry or the typed text.
void CurrentHexText(HWND dlg, char* text, int size) {
  HWND combo = GetDlgItem(dlg, IDC_HEX_COMBO);
  int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  if (selected >= 0 && selected < R().Recent.HexCount)
    lstrcpynA(text, R().Recent.Hex[selected], size);
  else
    GetWindowTextA(combo, text, size);
}

// Parses the current hex text into the search pattern; on failure says why.
bool CheckHex(HWND dlg, int minChars) {
  SetDlgItemTextA(dlg, IDC_HEX_MESSAGE, "");
  char text[kHexTextMaxChars + 2];
  CurrentHexText(dlg, text, sizeof text);
  if (static_cast<int>(std::strlen(text)) > kHexTextMaxChars) text[kHexTextMaxChars + 1] = '\0';
  uint8_t bytes[kSearchPatternBytes];
  HexTextResult r = CheckHexText(text, minChars, bytes, kSearchPatternBytes);
  // Spaces alone describe no byte: nothing to search for.
  if (r.check == HexTextCheck::BadLength || (r.check == HexTextCheck::Ok && r.count < minChars)) {
    char message[96];
    HexLengthMessage(message, sizeof message);
    FailValidation(dlg, IDC_HEX_COMBO, message);
    return false;
  }
  if (r.check == HexTextCheck::BadDigit) {
    char line[64];
    InvalidHexDigitLine(text[r.badIndex], line, sizeof line);
    SetDlgItemTextA(dlg, IDC_HEX_MESSAGE, line);
    SendDlgItemMessageA(dlg, IDC_HEX_COMBO, CB_SETEDITSEL, 0,
                        MAKELPARAM(r.badIndex, r.badIndex + 1));
    return false;
  }
  std::memcpy(R().Search.SearchPattern, bytes, r.count);
  R().Search.SearchLength = r.count;
  ShowHexBytes(dlg);
  return true;
}

void OpenFindHex(HWND dlg) {
  std::memcpy(gPatternBeforeHex.bytes, R().Search.SearchPattern, kSearchPatternBytes);
  gPatternBeforeHex.length = R().Search.SearchLength;
  LoadList("Hex", R().Recent.Hex, R().Recent.HexCount);
  HWND combo = GetDlgItem(dlg, IDC_HEX_COMBO);
  SendMessageA(combo, CB_LIMITTEXT, kSearchTextChars, 0);
  for (int i = 0; i < R().Recent.HexCount; ++i)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(R().Recent.Hex[i]));
  if (R().Recent.HexCount > 0) SendMessageA(combo, CB_SETCURSEL, 0, 0);
  const char* newest = R().Recent.HexCount > 0 ? R().Recent.Hex[0] : "";
  int n = ParseHexText(newest, R().Search.SearchPattern, kSearchPatternBytes);
  R().Search.SearchLength = n > 0 ? (n < kSearchPatternBytes ? n : kSearchPatternBytes) : 0;
  ShowHexBytes(dlg);
  CheckDlgButton(dlg, IDC_FROM_TOP,
                 (R().Search.SearchFlags & SF_FROM_TOP) ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemTextA(dlg, IDC_HEX_MESSAGE, "");
  SetFocus(combo);
}

bool AcceptFindHex(HWND dlg, bool markAll) {
  if (!CheckHex(dlg, 1)) {
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  R().Search.SearchFlags = SF_TEXT | SF_CASE | ButtonFlags(dlg, IDC_FROM_TOP, SF_FROM_TOP);
  HWND combo = GetDlgItem(dlg, IDC_HEX_COMBO);
  int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  char text[kRecentSearchSlotSize] = "";
  if (selected < 0 || selected >= R().Recent.HexCount) {
    selected = -1;
    GetWindowTextA(combo, text, kSearchTextChars + 1);
  }
  Promote(R().Recent.Hex, R().Recent.HexCount, selected, text);
  if (markAll) R().Search.SearchFlags |= SF_MARK_ALL;
  return true;
}

INT_PTR CALLBACK FindHexProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: OpenFindHex(dlg); return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_HEX_COMBO:
          if (HIWORD(wParam) == CBN_EDITCHANGE || HIWORD(wParam) == CBN_CLOSEUP) {
            // The list has not taken the new choice yet when it closes up.
            if (!CheckHex(dlg, 0)) gMessageBeep(MB_ICONASTERISK);
          }
          return TRUE;
        case IDOK:
        case IDC_MARK_ALL:
          if (AcceptFindHex(dlg, LOWORD(wParam) == IDC_MARK_ALL)) EndDialog(dlg, 1);
          return TRUE;
        case IDCANCEL:
          std::memcpy(R().Search.SearchPattern, gPatternBeforeHex.bytes, kSearchPatternBytes);
          R().Search.SearchLength = gPatternBeforeHex.length;
          EndDialog(dlg, 0);
          return TRUE;
      }
      break;
  }
  return FALSE;
}
}  // namespace

INT_PTR RunFindTextDialog(HWND owner, const FindDialogRecords& records) {
  gRecords = &records;
  return DialogBoxParamA(ProgramInstance(), "FindTextOptions", owner, FindTextProc, 0);
}

INT_PTR RunFindHexDialog(HWND owner, const FindDialogRecords& records) {
  gRecords = &records;
  return DialogBoxParamA(ProgramInstance(), "FindHexOptions", owner, FindHexProc, 0);
}
