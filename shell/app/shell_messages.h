// The shell's message boxes: texts from its string table, shown with the
// sound of their icon (win32/message_report.h).
#pragma once
#include <windows.h>

// The text of string textId, filled with arg when given, under caption;
// returns the box's result.
int ShellMessage(HWND owner, UINT textId, const char* caption, UINT style,
                 const char* arg = nullptr);
// The same under "Error".
int ShellError(HWND owner, UINT textId, UINT style, const char* arg = nullptr);
