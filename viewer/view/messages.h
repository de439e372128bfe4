// Private messages of the main window.
//
// VW_REFORMAT, VW_SHOWOFFSET and VW_GOTOBYTE move the view: wParam is a line
// delta, lParam a file offset to show, or -1 for a move by the delta. Other
// programs send them too, so an offset below 2 GiB always travels in lParam
// itself. A larger one does not fit the 32 bits of lParam: the sender leaves
// it in gView.PendingTarget and sends VW_TARGET_PENDING as lParam, and the
// window takes it from there, once (move_target.h).
#pragma once
#include <windows.h>

constexpr UINT VW_REFORMAT = WM_USER + 1;
constexpr UINT VW_SHOWOFFSET = WM_USER + 2;
constexpr UINT VW_LAYOUT = WM_USER + 3;
constexpr UINT VW_MAKEFONT = WM_USER + 4;
constexpr UINT VW_OPENNAME = WM_USER + 5;
constexpr UINT VW_OPENFILE = WM_USER + 6;
constexpr UINT VW_STARTOPEN = WM_USER + 7;
constexpr UINT VW_SELECTLINE = WM_USER + 8;
constexpr UINT VW_EXTENDSEL = WM_USER + 9;
constexpr UINT VW_CLEARSEL = WM_USER + 10;
constexpr UINT PG_START = WM_USER + 11;
constexpr UINT PG_CONT = WM_USER + 12;
constexpr UINT PG_STOP = WM_USER + 13;
constexpr UINT PG_CLOSE = WM_USER + 14;
constexpr UINT VW_GOTOBYTE = WM_USER + 15;

// lParam of a move message whose target waits in gView.PendingTarget.
constexpr LPARAM VW_TARGET_PENDING = -2;
