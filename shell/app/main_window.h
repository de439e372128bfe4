// The shell's main window, where files arrive from outside: drops on the
// icon, second starts, and the file manager's messages. It never shows a
// file itself.
#pragma once
#include <windows.h>

constexpr char kMainClass[] = "Skimmet";

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The file manager's batch protocol ("WM_FERRIT"): wParam selects.
void OnFerrit(WPARAM wParam, LPARAM lParam);
