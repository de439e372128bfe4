#include "tests/support/dialog_driver.h"

namespace {
DialogDriver* gDriver = nullptr;
}

DialogDriver::DialogDriver(Handler handler) : handler_(std::move(handler)) {
  gDriver = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
  UnhookWindowsHookEx(hook_);
  gDriver = nullptr;
}

LRESULT CALLBACK DialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam) {
  auto* info = reinterpret_cast<CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && gDriver && info->message == WM_INITDIALOG) {
    char cls[16] = "";
    GetClassNameA(info->hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0) SetTimer(info->hwnd, 0x7A57, 0, Tick);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::Tick(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  if (!IsWindowVisible(hwnd)) return;  // try again at the next tick
  KillTimer(hwnd, id);
  if (!gDriver) return;
  ++gDriver->seen_;
  gDriver->handler_(hwnd);
}

std::string MessageBoxText(HWND box) {
  char text[512] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

void ClickButton(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string DialogItemText(HWND dialog, int id) {
  char text[1024] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}
