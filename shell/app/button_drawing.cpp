#include "shell/app/button_drawing.h"

#include "shell/app/command_table.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_record.h"
#include "shell/core/button_settings.h"

namespace {

constexpr int kFaceSize = 19, kFaceStep = 25;
constexpr int kLetterSize = 8, kLetterInset = 11;
constexpr int kCodeMask = 0x3F;
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);

void Blit(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, int sourceX) {
  if (!bitmap) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(dc, x, y, width, height, memory, sourceX, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

// A black frame whose corner pixels stay open.
void DrawFrame(HDC dc, const RECT& r) {
  HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  Line(dc, r.left + 1, r.top, r.right - 1, r.top);
  Line(dc, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1);
  Line(dc, r.left, r.top + 1, r.left, r.bottom - 1);
  Line(dc, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1);
  SelectObject(dc, old);
}

void DrawEdges(HDC dc, const RECT& r, bool pressed) {
  HPEN dark = CreatePen(PS_SOLID, 1, kDarkGrey);
  HGDIOBJ old = SelectObject(dc, dark);
  const int left = r.left + 1, top = r.top + 1, right = r.right - 2, bottom = r.bottom - 2;
  if (pressed) {
    for (int i = 0; i < 2; ++i) {
      Line(dc, left, top + i, right + 1, top + i);
      Line(dc, left + i, top, left + i, bottom + 1);
    }
  } else {
    for (int i = 0; i < 2; ++i) {
      Line(dc, left, bottom - i, right + 1, bottom - i);
      Line(dc, right - i, top, right - i, bottom + 1);
    }
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Line(dc, left, top, right - 1, top);
    Line(dc, left, top, left, bottom - 1);
  }
  SelectObject(dc, old);
  DeleteObject(dark);
}

}  // namespace

bool ButtonGreyed(HWND viewer, int code) {
  const ViewerRecord* record = RecordOf(viewer);
  const int command = code & kCodeMask;
  const CommandRow* row = FindShellCommand(command);
  return record && row && !CommandAvailable(*row, command, *record);
}

void DrawBarButton(HWND viewer, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
  FillRect(dc, &r, grey);
  DeleteObject(grey);
  const int index = static_cast<int>(item.CtlID);
  if (index < 0 || index >= ShellState.ButtonCount) return;  // the table went at exit
  const ButtonEntry& entry = ShellState.ButtonTable[index];
  const bool greyed = ButtonGreyed(viewer, entry.Code);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  if (entry.Code >= 1 && entry.Code <= kButtonCommandCount) {
    const int inset = pressed ? 3 : 2;
    Blit(dc, r.left + inset, r.top + inset, kFaceSize, kFaceSize,
         greyed ? ShellState.GreyedFaces : ShellState.ButtonFaces, kFaceStep * (entry.Code - 1));
  }
  DrawFrame(dc, r);
  if (item.itemAction != ODA_FOCUS) {
    DrawEdges(dc, r, pressed);
    if (!pressed && item.itemAction == ODA_SELECT && GetKeyState(VK_LBUTTON) >= 0) SetFocus(viewer);
  }
  const int letter = entry.Accelerator & kAcceleratorLetterMask;
  if (!greyed && letter >= 1 && letter <= 26) {
    HBITMAP letters =
        entry.Accelerator & kCtrlAccelerator ? ShellState.CtlKeys : ShellState.AltKeys;
    Blit(dc, r.right - kLetterInset, r.bottom - kLetterInset, kLetterSize, kLetterSize, letters,
         kLetterSize * (letter - 1));
  }
}
