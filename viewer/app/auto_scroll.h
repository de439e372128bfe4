// Scrolling while a mouse selection is dragged beyond the text rows: timer 1
// moves up, timer 2 down. The mouse code starts the drag; the window
// procedure passes mouse moves, ticks and the button release here.
#pragma once
#include <windows.h>

constexpr UINT_PTR kAutoScrollUpTimer = 1;
constexpr UINT_PTR kAutoScrollDownTimer = 2;

void BeginSelectionDrag();
bool SelectionDragging();
// WM_LBUTTONUP: ends the drag and its timer.
void EndSelectionDrag(HWND hwnd);
// WM_MOUSEMOVE: while dragging, extends the selection and picks the timer.
void AutoScrollMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam);
// WM_TIMER 1 and 2.
void AutoScrollTick(HWND hwnd, UINT_PTR id);
// The running timer (0 none) and its lines per tick.
UINT_PTR AutoScrollTimer();
int AutoScrollLines();
