// ZELTONTB.DLL, the toolbar library: the dialog in which the user adds,
// removes and orders the buttons of the shell's button bar (gaps too) and
// gives a button an Alt or Ctrl letter. On OK with a change it writes the
// buttons into the shell's settings file, as the shell reads them.
#include <windows.h>

#include <string>
#include <vector>

#include "shell/core/button_settings.h"
#include "toolbar/toolbar_ids.h"
#include "toolbar/toolbar_link.h"
#include "win32/profile_store_win32.h"

namespace {

constexpr int kTipStrings = 700;  // the shell's tool-tip texts: 700 + command
constexpr int kCodeMask = 0x3F;
constexpr DWORD kHelpContext = 102;

constexpr int kFaceSize = 19, kFaceStep = 25, kItemHeight = kFaceSize + 2;

struct Customizing {
  const ToolbarDialogRecord* Record;
  std::vector<ButtonSetting> Buttons, Initial;
  HBITMAP Faces = nullptr;  // the shell's "htbuttons"
};

std::string CommandName(const ToolbarDialogRecord& record, int code) {
  if (code == 0) return "(Gap)";
  char text[101] = "";
  LoadStringA(record.Shell, kTipStrings + (code & kCodeMask), text, sizeof text);
  return text[0] ? text : "Command " + std::to_string(code);
}

std::string KeyName(int accelerator) {
  const int letter = accelerator & kAcceleratorLetterMask;
  if (letter < 1 || letter > 26) return "";
  return std::string(accelerator & kCtrlAccelerator ? "Ctrl+" : "Alt+") +
         static_cast<char>('A' + letter - 1);
}

int Selected(HWND dialog, int list) {
  return static_cast<int>(SendDlgItemMessageA(dialog, list, LB_GETCURSEL, 0, 0));
}

void ShowKey(HWND dialog, const Customizing& c) {
  const int at = Selected(dialog, IDC_BUTTONS);
  const bool button = at >= 0 && at < static_cast<int>(c.Buttons.size()) && c.Buttons[at].Code != 0;
  const int accelerator = button ? c.Buttons[at].Accelerator : 0;
  const int letter = accelerator & kAcceleratorLetterMask;
  CheckRadioButton(dialog, IDC_KEY_NONE, IDC_KEY_CTRL,
                   letter == 0                      ? IDC_KEY_NONE
                   : accelerator & kCtrlAccelerator ? IDC_KEY_CTRL
                                                    : IDC_KEY_ALT);
  SendDlgItemMessageA(dialog, IDC_KEY_LETTER, CB_SETCURSEL, letter ? letter - 1 : 0, 0);
  for (int id : {IDC_KEY_NONE, IDC_KEY_ALT, IDC_KEY_CTRL, IDC_KEY_LETTER})
    EnableWindow(GetDlgItem(dialog, id), button);
  EnableWindow(GetDlgItem(dialog, IDC_REMOVE), at >= 0);
  EnableWindow(GetDlgItem(dialog, IDC_MOVE_UP), at > 0);
  EnableWindow(GetDlgItem(dialog, IDC_MOVE_DOWN),
               at >= 0 && at + 1 < static_cast<int>(c.Buttons.size()));
}

void FillButtons(HWND dialog, const Customizing& c, int select) {
  HWND list = GetDlgItem(dialog, IDC_BUTTONS);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const ButtonSetting& b : c.Buttons) {
    const std::string text = CommandName(*c.Record, b.Code) + "\t" + KeyName(b.Accelerator);
    const LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, LB_SETITEMDATA, at, b.Code);
  }
  SendMessageA(list, LB_SETCURSEL, select, 0);
  ShowKey(dialog, c);
}

void OnInit(HWND dialog, Customizing& c) {
  const ToolbarDialogRecord& r = *c.Record;
  SetWindowTextA(dialog,
                 (std::string(r.AppTitle ? r.AppTitle : "") + " - Customize Toolbar").c_str());
  for (int i = 0; i < r.ButtonCount; ++i)
    c.Buttons.push_back({r.Table[i].Code, r.Table[i].Accelerator});
  c.Initial = c.Buttons;
  c.Faces = LoadBitmapA(r.Shell, "htbuttons");
  HWND offered = GetDlgItem(dialog, IDC_OFFERED);
  SendMessageA(offered, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CommandName(r, 0).c_str()));
  for (int i = 0; i < r.OfferedCount && r.Offered[i] != 0; ++i) {
    const int index = static_cast<int>(SendMessageA(
        offered, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CommandName(r, r.Offered[i]).c_str())));
    SendMessageA(offered, LB_SETITEMDATA, index, r.Offered[i]);
  }
  SendMessageA(offered, LB_SETCURSEL, 0, 0);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char text[2] = {letter, '\0'};
    SendDlgItemMessageA(dialog, IDC_KEY_LETTER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  FillButtons(dialog, c, c.Buttons.empty() ? -1 : 0);
}

// The chosen offer goes after the selected button (at the end when none is).
void OnAdd(HWND dialog, Customizing& c) {
  const int offer = Selected(dialog, IDC_OFFERED);
  if (offer < 0) return;
  const int code =
      static_cast<int>(SendDlgItemMessageA(dialog, IDC_OFFERED, LB_GETITEMDATA, offer, 0));
  const int at = Selected(dialog, IDC_BUTTONS);
  const int to = at < 0 ? static_cast<int>(c.Buttons.size()) : at + 1;
  c.Buttons.insert(c.Buttons.begin() + to, ButtonSetting{code, 0});
  FillButtons(dialog, c, to);
}

void OnRemove(HWND dialog, Customizing& c) {
  const int at = Selected(dialog, IDC_BUTTONS);
  if (at < 0) return;
  c.Buttons.erase(c.Buttons.begin() + at);
  const int count = static_cast<int>(c.Buttons.size());
  FillButtons(dialog, c, at < count ? at : count - 1);
}

void OnMove(HWND dialog, Customizing& c, int step) {
  const int at = Selected(dialog, IDC_BUTTONS), to = at + step;
  if (at < 0 || to < 0 || to >= static_cast<int>(c.Buttons.size())) return;
  std::swap(c.Buttons[at], c.Buttons[to]);
  FillButtons(dialog, c, to);
}

// A key belongs to one button: giving it to this one takes it from others.
void OnKey(HWND dialog, Customizing& c) {
  const int at = Selected(dialog, IDC_BUTTONS);
  if (at < 0 || c.Buttons[at].Code == 0) return;
  int accelerator = 0;
  if (!IsDlgButtonChecked(dialog, IDC_KEY_NONE)) {
    const int letter =
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_KEY_LETTER, CB_GETCURSEL, 0, 0)) + 1;
    accelerator = letter | (IsDlgButtonChecked(dialog, IDC_KEY_CTRL) ? kCtrlAccelerator : 0);
  }
  for (ButtonSetting& b : c.Buttons)
    if (accelerator && b.Accelerator == accelerator) b.Accelerator = 0;
  c.Buttons[at].Accelerator = accelerator;
  FillButtons(dialog, c, at);
}

void OnOk(HWND dialog, const Customizing& c) {
  if (c.Buttons == c.Initial) {
    EndDialog(dialog, kToolbarUnchanged);
    return;
  }
  Win32ProfileStore ini(c.Record->IniFile);
  WriteButtonSettings(ini, c.Record->Section, c.Buttons);
  EndDialog(dialog, kToolbarChanged);
}

// An entry of either list: the face of its command, its name, and its key
// at the right.
void DrawEntry(const Customizing& c, const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH back = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  FillRect(dc, &item.rcItem, back);
  DeleteObject(back);
  const int code = static_cast<int>(SendMessageA(item.hwndItem, LB_GETITEMDATA, item.itemID, 0));
  if (c.Faces && code >= 1 && code <= kButtonCommandCount) {
    HDC faces = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(faces, c.Faces);
    BitBlt(dc, item.rcItem.left + 2, item.rcItem.top + 1, kFaceSize, kFaceSize, faces,
           kFaceStep * (code - 1), 0, SRCCOPY);
    SelectObject(faces, old);
    DeleteDC(faces);
  }
  char text[128] = "";
  if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) <
      static_cast<LRESULT>(sizeof text)) {
    SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
  }
  const std::string entry = text;
  const size_t tab = entry.find('\t');
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT r = item.rcItem;
  r.left += kFaceSize + 6;
  r.right -= 4;
  DrawTextA(dc, entry.substr(0, tab).c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (tab != std::string::npos) {
    DrawTextA(dc, entry.substr(tab + 1).c_str(), -1, &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

INT_PTR CALLBACK CustomizeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* c = reinterpret_cast<Customizing*>(GetWindowLongA(dialog, DWL_USER));
  if (message == WM_MEASUREITEM) {
    reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
    return TRUE;
  }
  if (message == WM_DRAWITEM && c) {
    DrawEntry(*c, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_INITDIALOG) {
    c = reinterpret_cast<Customizing*>(lParam);
    SetWindowLongA(dialog, DWL_USER, lParam);
    OnInit(dialog, *c);
    return TRUE;
  }
  if (message != WM_COMMAND || !c) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_ADD: OnAdd(dialog, *c); break;
    case IDC_OFFERED:
      if (HIWORD(wParam) == LBN_DBLCLK) OnAdd(dialog, *c);
      break;
    case IDC_REMOVE: OnRemove(dialog, *c); break;
    case IDC_MOVE_UP: OnMove(dialog, *c, -1); break;
    case IDC_MOVE_DOWN: OnMove(dialog, *c, +1); break;
    case IDC_BUTTONS:
      if (HIWORD(wParam) == LBN_SELCHANGE) ShowKey(dialog, *c);
      break;
    case IDC_KEY_NONE:
    case IDC_KEY_ALT:
    case IDC_KEY_CTRL:
      if (HIWORD(wParam) == BN_CLICKED) OnKey(dialog, *c);
      break;
    case IDC_KEY_LETTER:
      if (HIWORD(wParam) == CBN_SELCHANGE && !IsDlgButtonChecked(dialog, IDC_KEY_NONE))
        OnKey(dialog, *c);
      break;
    case IDC_TOOLBAR_HELP:
      if (c->Record->HelpFile) WinHelpA(dialog, c->Record->HelpFile, HELP_CONTEXT, kHelpContext);
      break;
    case IDOK: OnOk(dialog, *c); break;
    case IDCANCEL: EndDialog(dialog, kToolbarUnchanged); break;
  }
  return TRUE;
}

}  // namespace

// The dialog over the record's owner: kToolbarDialogFailed when it cannot be
// made, kToolbarUnchanged, or kToolbarChanged once the new buttons are stored.
extern "C" __declspec(dllexport) LONG WINAPI TBCreateToolbarDlg(ToolbarDialogRecord* record) {
  if (!record) return kToolbarDialogFailed;
  Customizing c{record, {}, {}};
  const INT_PTR result =
      DialogBoxParamA(record->Library, MAKEINTRESOURCEA(IDD_CUSTOMIZE_TOOLBAR), record->Owner,
                      CustomizeDlgProc, reinterpret_cast<LPARAM>(&c));
  if (c.Faces) DeleteObject(c.Faces);
  return result == -1 ? kToolbarDialogFailed : static_cast<LONG>(result);
}
