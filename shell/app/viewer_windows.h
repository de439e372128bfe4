// The viewer windows: making one for the first n pending paths, closing
// them, and the list of those that are open.
#pragma once
#include <windows.h>

#include "shell/core/file_lists.h"

constexpr char kViewerClass[] = "ZRWINDOW";
constexpr char kButtonBarClass[] = "ZRBUTTON";

// A new viewer window whose list is the first n PendingFiles (entry 0
// shown when n > 0); nullptr when none could be made (reported).
HWND CreateViewerWindow(int n);
// The same for the first n of the given paths.
HWND CreateViewerWindowWith(const ListPath* paths, int n);

// Sends WM_CLOSE to every top-level viewer window.
void CloseAllViewers();

// True when window is a viewer window that is still open.
bool IsOpenViewer(HWND window);

// The viewer window's record made (WM_CREATE); false when there is no memory.
bool AttachViewerRecord(HWND window);
// The viewer window going away (WM_DESTROY): its child and library, its
// place in the list, its record; the last one saves its placement and, on
// the newer shells, ends the program.
void DetachViewerWindow(HWND window);
