// Window classes: the fields every class of the suite fills alike.
#pragma once
#include <windows.h>

// A class named `name` of `instance` with procedure `proc` and the arrow
// cursor; every other field is zero for the caller to fill.
WNDCLASSA WindowClass(const char* name, WNDPROC proc, HINSTANCE instance);

// Registers the class unless its module has it already (a library's classes
// may be registered by each program that loads it). False when it fails.
bool RegisterWindowClass(const WNDCLASSA& wc);
