// Process-wide state of the text viewer's application frame.
#pragma once
#include <windows.h>

#include "viewer/app/command_line.h"
#include "viewer/view/open_file.h"

constexpr int kDdeRunning = 0;
constexpr int kDdeOff = 2;

struct AppState {
  HWND MainWindow = nullptr;
  HACCEL Accelerators = nullptr;
  int DdeState = kDdeOff;
  CommandLine Start;                     // switch table, requested name, setup
  char DialogFile[kPathChars + 1] = "";  // argument of VW_OPENFILE
};

extern AppState gApp;

constexpr char kAppTitle[] = "Tarvo";
constexpr char kClassName[] = "TARVO";
