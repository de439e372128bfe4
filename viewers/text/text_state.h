// What the text library keeps per window besides the shared line view: the
// edit control of edit mode and the cancel flag of a print job.
#pragma once
#include <windows.h>

struct TextState {
  HWND Edit = nullptr;  // edit mode while not null
  WNDPROC EditProc = nullptr;
  bool CancelPrint = false;
};

TextState* TextStateOf(HWND view);
