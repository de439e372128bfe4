// The two dialog control classes: "HTBLACKRECT", a black frame with the
// control's text as its caption, and "HTBITMAPRECT", the bitmap resource
// that the control's text names, from the dialog's module.
#include "controls/control_classes.h"

#include "win32/paint_message.h"
#include "win32/window_class.h"

namespace {

constexpr char kBlackRect[] = "HTBLACKRECT";
constexpr char kBitmapRect[] = "HTBITMAPRECT";

void PaintBlackRect(HWND control, HDC dc, const RECT&) {
  RECT r;
  GetClientRect(control, &r);
  char caption[128] = "";
  GetWindowTextA(control, caption, sizeof caption);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(control), WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SIZE text = {0, 0};
  if (caption[0]) GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &text);
  RECT frame = r;
  frame.top += text.cy / 2;
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (caption[0]) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, 8, 0, caption, lstrlenA(caption));
  }
  if (oldFont) SelectObject(dc, oldFont);
}

void PaintBitmapRect(HWND control, HDC dc, const RECT&) {
  char name[64] = "";
  GetWindowTextA(control, name, sizeof name);
  auto module = reinterpret_cast<HINSTANCE>(GetWindowLongA(control, GWL_HINSTANCE));
  HBITMAP bitmap = name[0] ? LoadBitmapA(module, name) : nullptr;
  if (!bitmap) return;
  BITMAP info;
  GetObjectA(bitmap, sizeof info, &info);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

template <PaintContentFunction Paint>
LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaintMessage(control, message, wParam, Paint);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(control, message, wParam, lParam);
      InvalidateRect(control, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcA(control, message, wParam, lParam);
}

bool Register(HINSTANCE module, const char* name, WNDPROC proc) {
  WNDCLASSA wc = WindowClass(name, proc, module);
  wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return RegisterWindowClass(wc);
}

}  // namespace

bool RegisterControlClasses(HINSTANCE module) {
  bool frame = Register(module, kBlackRect, ControlProc<PaintBlackRect>);
  bool bitmap = Register(module, kBitmapRect, ControlProc<PaintBitmapRect>);
  return frame && bitmap;
}

void UnregisterControlClasses(HINSTANCE module) {
  UnregisterClassA(kBlackRect, module);
  UnregisterClassA(kBitmapRect, module);
}
