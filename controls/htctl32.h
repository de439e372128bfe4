// HTCTL32.DLL, the control library of the viewer shell: centring and
// colouring dialogs, message boxes, the button description window, the
// status-text font, and two dialog control classes, "HTBLACKRECT" (a black
// frame, captioned with the control's text when it has one) and
// "HTBITMAPRECT" (the bitmap resource of the dialog's module named by the
// control's text). The functions are exported under their plain names.
#pragma once
#include <windows.h>

#include <cstdint>

#ifdef HTCTL32_BUILD
#define HTCTLAPI extern "C" __declspec(dllexport)
#else
#define HTCTLAPI extern "C" __declspec(dllimport)
#endif

// One button of the shell's button bar. The layout (280 bytes) is shared
// with the toolbar library, which keeps its own data in the unused fields.
struct ButtonEntry {
  int32_t Code;         // command 1-19; 0 = a gap
  int32_t Accelerator;  // 0 none; bits 0-4 the letter (1 = A), bit 5 Ctrl (else Alt)
  char Unused[8];
  char Text[100];       // tool-tip text
  char Rest[164];
};
static_assert(sizeof(ButtonEntry) == 280);

// The description state of one button bar, passed by address. ButtonWindows
// holds one window per ButtonEntry (none for gaps); the library sets
// DescriptionShown and keeps its window in DescriptionWindow.
struct ButtonDescState {
  HWND* ButtonWindows;
  HWND HoveredButton;
  int32_t DescriptionShown;
  HWND DescriptionWindow;  // cleared by the bar when it is created
};
static_assert(sizeof(ButtonDescState) == 16 || sizeof(void*) != 4);

// Registers the two control classes (application-global). TRUE when both are.
HTCTLAPI BOOL WINAPI InitControls(void);
// Centres the window over its owner (or parent), or over the screen when it
// has neither; kept inside the screen.
HTCTLAPI void WINAPI CenterWindow(HWND window);
// For WM_CTLCOLOR* of a dialog: wParam the device context, lParam the
// control. Sets the context's colours and returns the brush to paint with
// (owned by the library).
HTCTLAPI HBRUSH WINAPI DoCtlColor(WPARAM wParam, LPARAM lParam);
// A message box with the sound of its icon; returns what MessageBox returns.
HTCTLAPI int WINAPI MsgBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
// Shows the description of button (its control id is its index in table)
// below it and sets DescriptionShown to 1; an earlier description goes.
HTCTLAPI BOOL WINAPI CreateButtonDescWindow(HINSTANCE shell, ButtonDescState* state, HWND button,
                                            int buttonCount, const ButtonEntry* table);
// Removes a shown description; DescriptionShown becomes 0.
HTCTLAPI void WINAPI CheckDesc(ButtonDescState* state);
// Selects the status-text font into dc and returns the font it replaced; the
// caller selects that one back and deletes the one it gets.
HTCTLAPI HFONT WINAPI SelectBottomFont(HDC dc);
