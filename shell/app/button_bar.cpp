#include "shell/app/button_bar.h"

#include <commctrl.h>

#include <new>

#include "controls/htctl32.h"
#include "shell/app/button_drawing.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_command.h"
#include "shell/app/viewer_record.h"
#include "shell/app/viewer_windows.h"
#include "win32/paint_message.h"

namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr int kGapWidth = 12, kButtonStep = 29, kButtonWidth = 30, kButtonHeight = 24;
constexpr int kButtonTop = 2;
constexpr UINT_PTR kDescriptionTimer = 2;
constexpr UINT kDescriptionDelay = 1000;

// What one bar owns: its tool-tip window (which the platform lets the
// viewer window own) and one window per table entry
// (none for gaps), as many as the table had when the bar was made. The
// viewer's record points at the windows for the control library; the bar
// keeps them itself, since its record goes before it does.
struct BarData {
  HWND Tip = nullptr;
  HWND* Buttons = nullptr;
  int Count = 0;
};

BarData* DataOf(HWND bar) { return reinterpret_cast<BarData*>(GetWindowLongA(bar, GWL_USERDATA)); }

WNDPROC gButtonProc = nullptr;

// The bar's buttons pass the mouse to their bar's tool tip first.
LRESULT CALLBACK RelayingButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (const BarData* data = DataOf(GetParent(button)); data && data->Tip) {
        MSG msg = {button, message, wParam, lParam, 0, {0, 0}};
        SendMessageA(data->Tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
      }
      break;
  }
  return CallWindowProcA(gButtonProc, button, message, wParam, lParam);
}

HWND AddButton(HWND bar, HWND tip, int index, int x) {
  HWND button = CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x,
                                kButtonTop, kButtonWidth, kButtonHeight, bar,
                                reinterpret_cast<HMENU>(index), ShellState.instance, nullptr);
  if (!button) return nullptr;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every version of the control
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = bar;
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = ShellState.ButtonTable[index].Text;
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongA(button, GWL_WNDPROC, reinterpret_cast<LONG>(RelayingButtonProc)));
  if (!gButtonProc) gButtonProc = previous;
  return button;
}

// False when the bar's memory cannot be had (the bar is then not made).
bool OnCreate(HWND bar) {
  auto* data = new (std::nothrow) BarData;
  if (!data) return false;
  SetWindowLongA(bar, GWL_USERDATA, reinterpret_cast<LONG>(data));
  HWND viewer = GetParent(bar);
  ViewerRecord* record = RecordOf(viewer);
  if (!record || IsIconic(viewer)) return true;
  ButtonDescState& description = record->Description;
  description.DescriptionShown = 0;
  data->Buttons =
      new (std::nothrow) HWND[ShellState.ButtonCount > 0 ? ShellState.ButtonCount : 1]();
  if (!data->Buttons) return false;
  data->Count = ShellState.ButtonCount;
  description.ButtonWindows = data->Buttons;
  description.DescriptionWindow = nullptr;
  data->Tip =
      CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, bar, nullptr, ShellState.instance, nullptr);
  int x = 0;
  for (int i = 0; i < data->Count; ++i) {
    if (ShellState.ButtonTable[i].Code == 0) {
      x += kGapWidth;
      continue;
    }
    data->Buttons[i] = AddButton(bar, data->Tip, i, x);
    x += kButtonStep;
  }
  return true;
}

void OnDestroy(HWND bar) {
  KillTimer(bar, kDescriptionTimer);
  BarData* data = DataOf(bar);
  if (ViewerRecord* record = RecordOf(GetParent(bar)); record && data) {
    CheckDesc(&record->Description);
    record->Description.HoveredButton = nullptr;
    if (record->Description.ButtonWindows == data->Buttons)
      record->Description.ButtonWindows = nullptr;
  }
  SetWindowLongA(bar, GWL_USERDATA, 0);
  // The tool tip belongs to the viewer window (a child owns no windows).
  if (data && data->Tip) DestroyWindow(data->Tip);
  if (data) delete[] data->Buttons;
  delete data;
}

void PaintBar(HWND bar, HDC dc, const RECT&) {
  RECT r;
  GetClientRect(bar, &r);
  HBRUSH grey = CreateSolidBrush(kLightGrey);
  FillRect(dc, &r, grey);
  DeleteObject(grey);
  const ViewerRecord* record = RecordOf(GetParent(bar));
  if (record && record->StatusText[0]) {
    HFONT previous = SelectBottomFont(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, kLightGrey);
    RECT text = {StatusTextLeft(), r.bottom / 4, r.right, r.bottom - 1};
    ExtTextOutA(dc, text.left, text.top, ETO_OPAQUE | ETO_CLIPPED, &text, record->StatusText,
                lstrlenA(record->StatusText), nullptr);
    DeleteObject(SelectObject(dc, previous));
  }
  HPEN dark = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  HGDIOBJ oldPen = SelectObject(dc, dark);
  if (ShellState.NewShell) {
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, r.right, 0);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, r.right, 1);
  }
  SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 0, r.bottom - 1, nullptr);
  LineTo(dc, r.right, r.bottom - 1);
  SelectObject(dc, oldPen);
  DeleteObject(dark);
}

void ShowDescription(ButtonDescState& description, HWND button) {
  CreateButtonDescWindow(ShellState.instance, &description, button, ShellState.ButtonCount,
                         ShellState.ButtonTable);
}

// The pointer over the bar (under is the bar) or one of its buttons: a
// shown description follows it from button to button at once; otherwise
// the button it rests on for a second gets one.
void OnSetCursor(HWND bar, HWND under) {
  HWND viewer = GetParent(bar);
  ViewerRecord* record = RecordOf(viewer);
  if (!record || GetActiveWindow() != viewer) return;
  ButtonDescState& description = record->Description;
  if (under == bar) {
    CheckDesc(&description);
    description.HoveredButton = nullptr;
  } else if (description.DescriptionShown == 1) {
    if (under != description.HoveredButton) {
      description.HoveredButton = under;
      ShowDescription(description, under);
    }
  } else {
    description.HoveredButton = under;
    SetTimer(bar, kDescriptionTimer, kDescriptionDelay, nullptr);
  }
}

void OnDescriptionTimer(HWND bar) {
  KillTimer(bar, kDescriptionTimer);
  HWND viewer = GetParent(bar);
  ViewerRecord* record = RecordOf(viewer);
  if (!record) return;
  ButtonDescState& description = record->Description;
  POINT pointer;
  GetCursorPos(&pointer);
  ScreenToClient(bar, &pointer);
  HWND under = ChildWindowFromPoint(bar, pointer);
  if (GetActiveWindow() == viewer && description.HoveredButton &&
      under == description.HoveredButton) {
    ShowDescription(description, under);
  } else {
    description.HoveredButton = nullptr;
  }
}

}  // namespace

int StatusTextLeft() {
  int x = 0;
  for (int i = 0; i < ShellState.ButtonCount; ++i)
    x += ShellState.ButtonTable[i].Code ? kButtonStep : kGapWidth;
  return x + 4;
}

HWND CreateButtonBar(HWND viewer) {
  RECT client;
  GetClientRect(viewer, &client);
  return CreateWindowExA(0, kButtonBarClass, "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                         kButtonBarHeight, viewer, nullptr, ShellState.instance, nullptr);
}

LRESULT CALLBACK ButtonBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(bar) ? 0 : -1;
    case WM_DESTROY: OnDestroy(bar); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaintMessage(bar, message, wParam, PaintBar);
    case WM_DRAWITEM:
      DrawBarButton(GetParent(bar), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return 1;
    case WM_COMMAND: ViewerCommand(GetParent(bar), LOWORD(wParam), kButtonIndexCode); return 1;
    case WM_SETFOCUS: SetFocus(GetParent(bar)); return 0;
    case WM_SETCURSOR: OnSetCursor(bar, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_TIMER:
      if (wParam == kDescriptionTimer) OnDescriptionTimer(bar);
      return 0;
  }
  return DefWindowProcA(bar, message, wParam, lParam);
}
