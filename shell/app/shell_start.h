// Starting the shell: the hand-over of a second start, the window classes,
// the instance's state and main window, and the message loop.
#pragma once
#include <windows.h>

#include <string>

// The whole run; returns the exit code. showCommand is how the starter
// asked the program to show itself.
int ShellMain(HINSTANCE instance, const char* commandLine, int showCommand);

// When a shell runs already: posts path (when not empty) to it and returns
// true; this process then ends.
bool HandOverToRunningShell(const std::string& path);
// ProgramDir, DwgEdition and AppTitle from where the program file lies.
void SetProgramPaths(HINSTANCE instance);
bool RegisterShellClasses();
// Paths, messages, the settings of iniPath (ZR.INI in the Windows folder),
// the main window (ShellState.NewShell says which kind) and the button
// table; false when the main window or the table cannot be made.
bool InitShellInstance(const char* iniPath);
// The icon at its saved place (NT 3.51 with SaveIconPos), or just minimised.
void PlaceIcon();
