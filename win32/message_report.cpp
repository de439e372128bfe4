#include "win32/message_report.h"

#include "win32/file_names_win32.h"

int(WINAPI* gMessageBox)(HWND, LPCSTR, LPCSTR, UINT) = MessageBoxText;
BOOL(WINAPI* gMessageBeep)(UINT) = MessageBeep;

int ReportMessage(HWND owner, const char* text, const char* caption, UINT type) {
  gMessageBeep(type & MB_ICONMASK);
  return gMessageBox(owner, text, caption, type);
}
