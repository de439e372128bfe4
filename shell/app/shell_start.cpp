#include "shell/app/shell_start.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/text_copy.h"
#include "controls/htctl32.h"
#include "shell/app/button_bar.h"
#include "shell/app/button_table.h"
#include "shell/app/file_entry.h"
#include "shell/app/main_window.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_window_proc.h"
#include "shell/app/viewer_windows.h"
#include "shell/core/command_line_path.h"
#include "shell/core/shell_kind.h"
#include "shell/core/shell_settings.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "win32/window_class.h"

namespace {

bool ReadNewShell() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return true;
  return IsNewShell(version.dwPlatformId, version.dwMajorVersion);
}

bool FileReadable(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void AppendBackslash(char* path, size_t size) {
  size_t n = std::strlen(path);
  if (n == 0 || path[n - 1] != '\\') CopyText(path + n, size - n, "\\");
}

HWND CreateMainWindow() {
  HWND main;
  if (ShellState.NewShell) {
    main = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, kMainClass, "", WS_MINIMIZE, 0, 0,
                           0, 0, nullptr, nullptr, ShellState.instance, nullptr);
    if (main) ShowWindow(main, SW_HIDE);
  } else {
    main = CreateWindowExA(0, kMainClass, ShellState.Flags.IconCaption, WS_OVERLAPPEDWINDOW | WS_MINIMIZE,
                           0, 0, 0, 0, nullptr, nullptr, ShellState.instance, nullptr);
    if (main) DragAcceptFiles(main, TRUE);
  }
  return main;
}

void ExtendSystemMenu(HWND main) {
  HMENU menu = GetSystemMenu(main, FALSE);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  const struct {
    UINT Text, Command;
  } items[] = {{IDS_MENU_SETTINGS, CMD_SETTINGS},
               {IDS_MENU_CLOSE_ALL, CMD_CLOSE_ALL},
               {IDS_MENU_HELP, CMD_HELP_INDEX},
               {IDS_MENU_ABOUT, CMD_ABOUT}};
  for (const auto& item : items) {
    AppendMenuA(menu, MF_STRING, item.Command, ShellString(item.Text).c_str());
  }
  for (UINT command : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_SIZE}) {
    DeleteMenu(menu, command, MF_BYCOMMAND);
  }
}

// Viewer libraries that are somehow loaded already are let go once, so
// that each viewer window's load is the one that counts.
void ReleaseLoadedLibraries() {
  for (int type = 0; type < kViewerTypeCount - 1; ++type) {
    std::string path = std::string(ShellState.ProgramDirSlash) + ViewerTable[type].Library;
    if (HMODULE module = GetModuleHandleA(path.c_str())) FreeLibrary(module);
  }
}

std::string WindowsIniPath() {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, sizeof dir);
  AppendBackslash(dir, sizeof dir);
  return std::string(dir) + "ZR.INI";
}

int RunMessageLoop() {
  HACCEL accelerators = LoadAcceleratorsA(ShellState.instance, "ZRACC");
  CoInitialize(nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(ShellState.MainWindow, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

bool HandOverToRunningShell(const std::string& path) {
  HWND running = FindWindowA(kMainClass, nullptr);
  if (!running) return false;
  if (!path.empty()) {
    ATOM atom = GlobalAddAtomA(path.c_str());
    if (atom && !PostMessageA(running, SHELL_HANDOVER, atom, 0)) GlobalDeleteAtom(atom);
  }
  return true;
}

void SetProgramPaths(HINSTANCE instance) {
  ShellState.instance = instance;
  GetModuleFileNameA(instance, ShellState.ProgramDir, sizeof ShellState.ProgramDir);
  if (char* slash = std::strrchr(ShellState.ProgramDir, '\\')) *slash = '\0';
  CopyText(ShellState.ProgramDirSlash, ShellState.ProgramDir);
  AppendBackslash(ShellState.ProgramDirSlash, sizeof ShellState.ProgramDirSlash);
  ShellState.DwgEdition = FileReadable(std::string(ShellState.ProgramDirSlash) + "ZRDWG.DLL");
  CopyText(ShellState.AppTitle,
           ShellString(ShellState.DwgEdition ? IDS_APP_TITLE_DWG : IDS_APP_TITLE));
}

bool RegisterShellClasses() {
  HINSTANCE instance = ShellState.instance;
  InitCommonControls();  // the button bars' tool tips
  bool oldShell = !ShellState.NewShell;
  WNDCLASSA main = WindowClass(kMainClass, WndProc, instance);
  main.style = oldShell ? CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS : 0;
  main.hIcon = oldShell ? LoadIconA(instance, "ZR") : nullptr;
  main.hCursor = oldShell ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
  main.hbrBackground = oldShell ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : nullptr;
  WNDCLASSA viewer = WindowClass(kViewerClass, ZRWndProc, instance);
  viewer.style = CS_HREDRAW | CS_VREDRAW;
  viewer.cbWndExtra = 8;
  viewer.hIcon = LoadIconA(instance, "zrview");
  viewer.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  viewer.lpszMenuName = "ZRMenu";
  WNDCLASSA bar = WindowClass(kButtonBarClass, ButtonBarProc, instance);
  bar.style = CS_HREDRAW | CS_VREDRAW;
  bar.hCursor = nullptr;
  bar.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  return RegisterWindowClass(main) && RegisterWindowClass(viewer) && RegisterWindowClass(bar);
}

bool InitShellInstance(const char* iniPath) {
  std::snprintf(ShellState.HelpFile, sizeof ShellState.HelpFile, "%s%s", ShellState.ProgramDirSlash,
                ShellState.DwgEdition ? "ZRDWGHLP.HLP" : "ZR32HELP.HLP");
  ShellState.MsgSkimmet = RegisterWindowMessageA("WM_SKIMMET");
  ShellState.MsgFerrit = RegisterWindowMessageA("WM_FERRIT");
  ShellState.ViewerCount = 0;
  ReleaseLoadedLibraries();
  CopyText(ShellState.IniPath, iniPath);
  ReadViewerRect();
  ReloadSettings();
  ShellState.MainWindow = CreateMainWindow();
  if (!ShellState.MainWindow) return false;
  ShellState.WordWrap = ReadViewerNumber(ShellIni(), "wordwrap", 0) != 0;
  ReadSharedFont();
  if (!ShellState.NewShell) ExtendSystemMenu(ShellState.MainWindow);
  ShellState.Flags.Visible = ReadViewerNumber(ShellIni(), "visible", 0) != 0;
  if (!ShellState.NewShell && ShellState.Flags.Visible) {
    SetWindowPos(ShellState.MainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  LoadButtonBitmaps();
  return ReadButtonTable();
}

void PlaceIcon() {
  HWND main = ShellState.MainWindow;
  int x = ReadViewerNumber(ShellIni(), "iconleft", 32700);
  int y = ReadViewerNumber(ShellIni(), "icontop", 32700);
  auto minimisedAt = [main](int px, int py) {
    HWND under = WindowFromPoint(POINT{px, py});
    return under && under != main && IsIconic(under);
  };
  bool usable = x < GetSystemMetrics(SM_CXSCREEN) - 16 && y < GetSystemMetrics(SM_CYSCREEN) - 16 &&
                !minimisedAt(x + 16, y + 16) && !minimisedAt(x + 44, y + 44);
  if (!usable) {
    ShowWindow(main, SW_SHOWMINIMIZED);
    UpdateWindow(main);
    return;
  }
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  placement.flags = WPF_SETMINPOSITION;
  placement.showCmd = SW_SHOWMINIMIZED;
  placement.ptMinPosition = {x, y};
  placement.rcNormalPosition = {x, y, x + 32, y + 32};
  SetWindowPlacement(main, &placement);
}

int ShellMain(HINSTANCE instance, const char* commandLine, int showCommand) {
  ShellState.NewShell = ReadNewShell();
  const std::string path(CommandLinePath(commandLine));
  if (HandOverToRunningShell(path)) return 0;
  InitControls();
  SetProgramPaths(instance);
  if (!RegisterShellClasses() || !InitShellInstance(WindowsIniPath().c_str())) return 0;
  if (!path.empty()) OpenFileInViewer(path.c_str(), true);
  // On the newer shells the main window is hidden: a person who started the
  // program with nothing to show (no file, or a folder) gets an empty viewer
  // window to open a file from or close. The file manager starts it hidden
  // and sends its files by message.
  if (ShellState.NewShell && ShellState.ViewerCount == 0 && showCommand != SW_HIDE) {
    ShellState.CurrentViewer = CreateViewerWindow(0);
  }
  if (!ShellState.NewShell && !ShellState.Flags.HideIcon) {
    if (ShellState.Flags.SaveIconPos) {
      PlaceIcon();
    } else {
      ShowWindow(ShellState.MainWindow, SW_SHOWMINIMIZED);
      UpdateWindow(ShellState.MainWindow);
    }
  }
  return RunMessageLoop();
}
