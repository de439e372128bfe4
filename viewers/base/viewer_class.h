// A viewer library's window class: registered for the whole application
// while the library is loaded, so that the shell can create its windows
// with its own instance handle, and removed when the library is freed. A
// library's entry point is one call:
//
//   extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
//     return ViewerLibraryMain<HexWindow>(dll, reason, kHexLibrary.WindowClass);
//   }
#pragma once
#include <windows.h>

#include "viewers/base/viewer_window.h"

bool RegisterViewerClass(HINSTANCE dll, const char* className, WNDPROC proc);

template <class Window>
LRESULT CALLBACK ViewerClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ViewerWindowMessage(window, msg, wParam, lParam,
                             [](HWND w) -> ViewerWindow* { return new Window(w); });
}

template <class Window>
BOOL ViewerLibraryMain(HINSTANCE dll, DWORD reason, const char* className) {
  if (reason == DLL_PROCESS_ATTACH)
    return RegisterViewerClass(dll, className, ViewerClassProc<Window>);
  if (reason == DLL_PROCESS_DETACH) UnregisterClassA(className, dll);
  return TRUE;
}
