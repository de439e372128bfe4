#include "viewer/settings/color_dialog.h"

#include <commdlg.h>

#include <array>
#include <cstring>

#include "viewer/resources/resource_ids.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"

namespace {
// One sample of the picture: the pair of entries it shows and its text
// (none: the sample is filled with the window background).
struct Sample {
  int control;
  int text;
  int background;
  const char* shown;
};
constexpr Sample kSamples[] = {
    {IDC_SAMPLE_HEADING, CLR_TITLE, CLR_TITLE_BGND, "Title line"},
    {IDC_SAMPLE_TAGGED, CLR_TAG, CLR_TAG_BGND, "Tagged line"},
    {IDC_SAMPLE_ERROR, CLR_MESSAGE, CLR_MESSAGE_BGND, "*** Error message ***"},
    {IDC_SAMPLE_INFO, CLR_INFO, CLR_INFO_BGND, " [Information]"},
    {IDC_SAMPLE_TEXT1, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_TEXT2, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_TEXT3, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_TEXT4, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_TEXT5, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_TEXT6, CLR_TEXT, CLR_TEXT_BGND, "Text line"},
    {IDC_SAMPLE_BGND_RIGHT, CLR_WINDOW_BGND, CLR_WINDOW_BGND, nullptr},
    {IDC_SAMPLE_BGND_BELOW, CLR_WINDOW_BGND, CLR_WINDOW_BGND, nullptr},
};

const Sample* FindSample(int control) {
  for (const Sample& s : kSamples)
    if (s.control == control) return &s;
  return nullptr;
}

constexpr std::array<COLORREF, 16> AllBytesSet() {
  std::array<COLORREF, 16> colors{};
  colors.fill(0xFFFFFFFF);
  return colors;
}
std::array<COLORREF, 16> gCustomColors = AllBytesSet();

struct Working {
  ColorTable* colors = nullptr;
  ColorTable copy{};
};
Working gWork;

void DrawSample(const DRAWITEMSTRUCT& item) {
  const Sample* s = FindSample(static_cast<int>(item.CtlID));
  if (!s) return;
  RECT r = item.rcItem;
  if (!s->shown) {
    // The background strips reach one pixel past the button to meet the frame.
    --r.left, ++r.right, ++r.bottom;
    HBRUSH brush = CreateSolidBrush(gWork.copy[CLR_WINDOW_BGND]);
    if (s->control == IDC_SAMPLE_BGND_RIGHT) {
      FillRect(item.hDC, &r, brush);
    } else {
      HGDIOBJ old = SelectObject(item.hDC, brush);
      Rectangle(item.hDC, r.left, r.top, r.right, r.bottom);
      SelectObject(item.hDC, old);
    }
    DeleteObject(brush);
    return;
  }
  SetTextColor(item.hDC, gWork.copy[s->text]);
  SetBkColor(item.hDC, gWork.copy[s->background]);
  ExtTextOutA(item.hDC, r.left, r.top, ETO_OPAQUE, &r, s->shown,
              static_cast<UINT>(std::strlen(s->shown)), nullptr);
}

void Repaint(HWND dlg) {
  for (const Sample& s : kSamples) InvalidateRect(GetDlgItem(dlg, s.control), nullptr, TRUE);
  SetFocus(GetDlgItem(dlg, IDC_COLOR_LIST));
}

int ListSelection(HWND dlg) {
  LRESULT i = SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? -1 : static_cast<int>(i);
}

void Select(HWND dlg, int index) {
  SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A first click picks the sample's text colour, the next its background.
void SampleClicked(HWND dlg, const Sample& s) {
  Select(dlg, ListSelection(dlg) == s.text ? s.background : s.text);
  SetFocus(GetDlgItem(dlg, IDC_COLOR_LIST));
}

void Open(HWND dlg) {
  gWork.copy = *gWork.colors;
  for (int i = 0; i < CLR_FIRST_SHADE; ++i)
    SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(ColorName(i)));
  Select(dlg, 0);
}

// The entry that Change and Reset work on: the list's, the first without one.
int ChosenEntry(HWND dlg) {
  int index = ListSelection(dlg);
  return index < 0 ? 0 : index;
}

void Change(HWND dlg) {
  const int index = ChosenEntry(dlg);
  gWork.copy[index] = PickColor(dlg, gWork.copy[index]);
  Repaint(dlg);
}

bool OnCommand(HWND dlg, int id) {
  switch (id) {
    case IDOK:
      *gWork.colors = gWork.copy;
      EndDialog(dlg, 1);
      return true;
    case IDCANCEL: EndDialog(dlg, 0); return true;
    case IDC_COLOR_CHANGE: Change(dlg); return true;
    case IDC_COLOR_RESET:
      ResetColors(ChosenEntry(dlg), gWork.copy);
      Repaint(dlg);
      return true;
    case IDC_COLOR_RESET_ALL:
      ResetColors(kAllScreenColors, gWork.copy);
      Repaint(dlg);
      return true;
    case IDC_COLOR_HELP: ShowHelp(dlg, HELP_CONTEXT, 128); return true;
  }
  if (const Sample* s = FindSample(id)) {
    SampleClicked(dlg, *s);
    return true;
  }
  return false;
}

INT_PTR CALLBACK ColorDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: Open(dlg); return TRUE;
    case WM_DRAWITEM: DrawSample(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND: return OnCommand(dlg, LOWORD(wParam));
  }
  return FALSE;
}
}  // namespace

COLORREF PickColor(HWND owner, COLORREF color) {
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = color;
  cc.lpCustColors = gCustomColors.data();
  cc.Flags = CC_RGBINIT;
  return ChooseColorA(&cc) ? cc.rgbResult : color;
}

bool ColorDialog(HWND owner, ColorTable& colors) {
  gWork = Working{&colors};
  return DialogBoxParamA(ProgramInstance(), "FormatColors", owner, ColorDialogProc, 0) == 1;
}
