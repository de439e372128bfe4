#include "controls/button_description.h"

#include "controls/htctl32.h"
#include "win32/paint_message.h"
#include "win32/window_class.h"

namespace {

constexpr char kDescriptionClass[] = "HTBUTTONDESC";
HINSTANCE gDescriptionModule = nullptr;

void PaintDescription(HWND window, HDC dc, const RECT&) {
  RECT r;
  GetClientRect(window, &r);
  HBRUSH back = CreateSolidBrush(GetSysColor(COLOR_INFOBK));
  FillRect(dc, &r, back);
  DeleteObject(back);
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  char text[128] = "";
  GetWindowTextA(window, text, sizeof text);
  HFONT old = SelectBottomFont(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  TextOutA(dc, 4, 2, text, lstrlenA(text));
  DeleteObject(SelectObject(dc, old));
}

LRESULT CALLBACK DescriptionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT || message == WM_PRINTCLIENT)
    return OnPaintMessage(window, message, wParam, PaintDescription);
  return DefWindowProcA(window, message, wParam, lParam);
}

SIZE TextSize(const char* text) {
  HDC screen = GetDC(nullptr);
  HFONT old = SelectBottomFont(screen);
  SIZE size = {0, 0};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
  DeleteObject(SelectObject(screen, old));
  ReleaseDC(nullptr, screen);
  return size;
}

}  // namespace

bool RegisterDescriptionClass(HINSTANCE module) {
  gDescriptionModule = module;
  return RegisterWindowClass(WindowClass(kDescriptionClass, DescriptionProc, module));
}

void UnregisterDescriptionClass(HINSTANCE module) { UnregisterClassA(kDescriptionClass, module); }

HTCTLAPI BOOL WINAPI CreateButtonDescWindow(HINSTANCE, ButtonDescState* state, HWND button,
                                            int buttonCount, const ButtonEntry* table) {
  if (!state || !button || !table) return FALSE;
  int index = GetDlgCtrlID(button);
  if (index < 0 || index >= buttonCount) return FALSE;
  CheckDesc(state);
  const char* text = table[index].Text;
  SIZE size = TextSize(text);
  RECT r;
  GetWindowRect(button, &r);
  int width = size.cx + 10, height = size.cy + 6;
  int x = r.left, y = r.bottom + 2;
  if (x > GetSystemMetrics(SM_CXSCREEN) - width) x = GetSystemMetrics(SM_CXSCREEN) - width;
  if (x < 0) x = 0;
  if (y + height > GetSystemMetrics(SM_CYSCREEN)) y = r.top - height - 2;
  char shown[sizeof table[index].Text + 1];
  lstrcpynA(shown, text, sizeof shown);
  state->DescriptionWindow =
      CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kDescriptionClass, shown, WS_POPUP, x, y,
                      width, height, button, nullptr, gDescriptionModule, nullptr);
  if (!state->DescriptionWindow) return FALSE;
  ShowWindow(state->DescriptionWindow, SW_SHOWNOACTIVATE);
  state->DescriptionShown = 1;
  return TRUE;
}

HTCTLAPI void WINAPI CheckDesc(ButtonDescState* state) {
  if (!state) return;
  if (state->DescriptionWindow && IsWindow(state->DescriptionWindow)) {
    DestroyWindow(state->DescriptionWindow);
  }
  state->DescriptionWindow = nullptr;
  state->DescriptionShown = 0;
}
