// Follow (View menu, switch F, DDE "Display Follow"): while it is on, a
// timer looks at the viewed file. When it grew and its last line is on the
// screen, the view moves to show the new lines; when the user has scrolled
// up, the view stays and the title bar counts the lines that wait; a file
// that shrank or was replaced is shown again from the top under a message
// line.
#pragma once
#include <windows.h>

constexpr UINT_PTR IDT_FOLLOW = 4;

// Commands IDM_FOLLOW (toggle) and IDM_FORCE_FOLLOW (on).
void OnFollowCommand(HWND hwnd, int command);
bool FollowOn();
// Another file is shown (or none): following starts from it as it is now.
void FollowNewFile();
// The timer's tick.
void FollowTick(HWND hwnd);
