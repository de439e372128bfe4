// The shell's windows created in this process with the real viewer
// libraries of the build, for the Win32 tests of the shell.
#pragma once
#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/text_copy.h"
#include "controls/htctl32.h"
#include "shell/app/shell_start.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_record.h"
#include "shell/app/viewer_windows.h"
#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

inline std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A drop of these paths as the shell receives it from the platform.
inline HDROP MakeDrop(const std::vector<std::string>& paths) {
  size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  char* at = reinterpret_cast<char*>(drop + 1);
  for (const std::string& p : paths) at += lstrlenA(lstrcpyA(at, p.c_str())) + 1;
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

class ShellWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    static bool registered = false;
    ShellState = ShellStateRecord();
    SetProgramPaths(GetModuleHandleA(nullptr));
    // The viewer libraries lie beside the programs of the build.
    std::string bin = BuiltProgram("");
    bin.pop_back();
    CopyText(ShellState.ProgramDir, bin);
    CopyText(ShellState.ProgramDirSlash, bin + "\\");
    if (!registered) registered = InitControls() && RegisterShellClasses();
    ASSERT_TRUE(registered);
    ASSERT_TRUE(InitShellInstance((temp_ / "ZR.INI").c_str()));
  }
  void TearDown() override {
    CloseAllViewers();
    DestroyWindow(ShellState.MainWindow);
    PumpMessages();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  std::string Text(const char* name, const std::string& content = "some text\r\n") {
    return temp_.Write(name, content);
  }
  ViewerRecord* Current() { return RecordOf(ShellState.CurrentViewer); }

  TempFolder temp_;
};
