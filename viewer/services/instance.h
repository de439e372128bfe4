// The module that holds the viewer's resources (dialog templates, menus),
// set once at start-up; dialogs anywhere in the program load from it.
#pragma once
#include <windows.h>

HINSTANCE ProgramInstance();
void SetProgramInstance(HINSTANCE instance);
