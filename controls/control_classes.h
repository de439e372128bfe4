// The library's dialog control classes, registered for every module.
#pragma once
#include <windows.h>

bool RegisterControlClasses(HINSTANCE module);
void UnregisterControlClasses(HINSTANCE module);
