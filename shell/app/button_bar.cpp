#include "shell/app/button_bar.h"

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_record.h"
#include "win32/paint_message.h"

namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);

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
    RECT text = {4, r.bottom / 4, r.right, r.bottom - 1};
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

}  // namespace

LRESULT CALLBACK ButtonBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaintMessage(bar, message, wParam, PaintBar);
    case WM_SETFOCUS: SetFocus(GetParent(bar)); return 0;
  }
  return DefWindowProcA(bar, message, wParam, lParam);
}
