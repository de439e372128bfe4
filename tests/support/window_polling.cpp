#include "tests/support/window_polling.h"

#include <tlhelp32.h>

#include "tests/support/temp_folder.h"

namespace {
struct WindowSearch {
  DWORD processId;
  const char* caption;
  const char* boxTextPart;  // null: any window with the caption
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != search->caption) return TRUE;
  if (search->boxTextPart) {
    HWND text = GetDlgItem(window, 0xFFFF);
    if (!text || WindowText(text).find(search->boxTextPart) == std::string::npos) return TRUE;
  }
  search->found = window;
  return FALSE;
}
}  // namespace

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, &length);
  return text;
}

HWND WaitForWindow(DWORD processId, const char* caption, DWORD milliseconds) {
  return WaitForMessageBox(processId, caption, nullptr, milliseconds);
}

HWND WaitForMessageBox(DWORD processId, const char* caption, const char* part, DWORD milliseconds) {
  WindowSearch search = {processId, caption, part, nullptr};
  WaitFor(
      [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      milliseconds);
  return search.found;
}

DWORD WaitForChildProcess(DWORD parentId, const char* exeName, DWORD milliseconds) {
  DWORD child = 0;
  WaitFor(
      [&] {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more && !child;
             more = Process32Next(snapshot, &entry)) {
          if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, exeName) == 0)
            child = entry.th32ProcessID;
        }
        CloseHandle(snapshot);
        return child != 0;
      },
      milliseconds);
  return child;
}

bool WaitForFile(const std::string& path, DWORD milliseconds) {
  return WaitFor([&] { return FileExists(path); }, milliseconds);
}
