// Starting the shell: the hand-over of a second start, the window classes,
// the instance's state and main window, and the message loop.
#pragma once
#include <windows.h>

// The whole run; returns the exit code.
int ShellMain(HINSTANCE instance, const char* commandLine);

// When a shell runs already: posts commandLine (when not empty) to it and
// returns true; this process then ends.
bool HandOverToRunningShell(const char* commandLine);
// ProgramDir, DwgEdition and AppTitle from where the program file lies.
void SetProgramPaths(HINSTANCE instance);
bool RegisterShellClasses();
// Paths, messages, the settings of iniPath (ZR.INI in the Windows folder)
// and the main window (ShellState.NewShell says which kind); false when the
// main window cannot be made.
bool InitShellInstance(const char* iniPath);
// The icon at its saved place (NT 3.51 with SaveIconPos), or just minimised.
void PlaceIcon();
