// The ways files enter the viewer windows' lists: one path (command line,
// second start, the file manager), a batch of pending paths, and drops.
#pragma once
#include <windows.h>
#include <shellapi.h>

// Puts path in front of the current viewer's list (or a new window) and
// shows it; a directory is ignored. The path is shown as given. Of the
// pending paths only slot 0 is used, and only for a new window.
void OpenFileInViewer(const char* path, bool activate);
// Stores path in the first empty pending slot unless it is a directory or
// does not exist; dropped when all 25 are used.
void AddPendingFile(const char* path);
// The leading pending paths go in front of the current viewer's list (or
// into a new window).
void OpenPendingFiles();
// A drop on the main window: a new viewer window for its files.
void OpenDropInNewViewer(HDROP drop);
// A drop on a viewer window: its files in front of the window's list.
void AddDropToViewer(HWND window, HDROP drop);
