// Waiting for what a window or another program does: message pumping and
// polling with a time limit, never a fixed sleep.
#pragma once
#include <windows.h>

#include <string>

// Dispatches every queued message until the queue stays empty.
void PumpMessages();

// Polls cond, pumping messages, until it holds or timeoutMs pass.
template <class Cond>
bool WaitFor(Cond cond, DWORD timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// The window's text; a hung window gives up after two seconds.
std::string WindowText(HWND window);

// Polls until the process shows a visible top-level window with this caption.
HWND WaitForWindow(DWORD processId, const char* caption, DWORD milliseconds);
// Polls until the process shows a message box with this caption whose text
// holds the given part.
HWND WaitForMessageBox(DWORD processId, const char* caption, const char* part, DWORD milliseconds);
// Polls until the process has started a program of this file name; its id, or 0.
DWORD WaitForChildProcess(DWORD parentId, const char* exeName, DWORD milliseconds);
// Polls until the file exists.
bool WaitForFile(const std::string& path, DWORD milliseconds);
