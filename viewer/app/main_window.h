// The main window of class "TARVO": its window procedure and the handlers
// that it dispatches to.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Creation and destruction.
LRESULT OnCreate(HWND hwnd, LPARAM lParam);
void OnDestroy(HWND hwnd);

// Opening and closing files.
void OnStartOpen(HWND hwnd, const char* name);
LRESULT OnOpenName(HWND hwnd, bool mayOfferDialog, const char* name);
void OnOpenFile(HWND hwnd, const char* path);
LRESULT RunOpenDialog(HWND hwnd);
void OnRecentFile(HWND hwnd, int slot);
void OnDropFiles(HWND hwnd, HDROP drop);
void CloseFile(HWND hwnd);
// "Tarvo - " and the file's name, then suffix (wide where the name needs it).
void SetFileCaption(HWND hwnd, const char* suffix = "");

// Commands and menus.
void OnCommand(HWND hwnd, int id);
void OnInitMenuPopup(HWND hwnd, HMENU popup, int position, bool systemMenu);
void PruneMenu(HWND hwnd);
