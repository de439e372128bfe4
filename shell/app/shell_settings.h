// The shell's settings applied to its windows: ZR.INI (shell/core/
// shell_settings.h) read at start-up and on request, the shared viewer
// font, the viewer rectangle, and saving at exit.
#pragma once
#include <windows.h>

#include "common/profile_store.h"

// ZR.INI, the file ShellState.IniPath names.
ProfileStore& ShellIni();
// KPLAUNCH.INI in the Windows directory, shared with the launcher.
ProfileStore& LauncherIni();

// Reads the flags, writing each back so that every key exists after the
// first run; on the newer shells also applies them to the main window.
void ReloadSettings();
// The shared viewer font from section "fonts".
void ReadSharedFont();
// DefaultViewerRect from section "viewer".
void ReadViewerRect();
// The last viewer window closing: "maximized", and its rectangle when it is
// neither maximised nor minimised.
void SaveViewerPlacement(HWND lastViewer);
// At exit: the flags, the icon's place and the font.
void SaveShellSettings();
