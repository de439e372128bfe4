#include "viewer/app/startup.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/text_copy.h"
#include "viewer/app/app_state.h"
#include "viewer/app/ctl3d.h"
#include "viewer/app/main_window.h"
#include "viewer/app/window_placement.h"
#include "viewer/remote/dde_server_win32.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/profile_choice_win32.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/system_colors_win32.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "win32/profile_store_win32.h"
#include "win32/file_names_win32.h"
#include "win32/window_class.h"

AppState gApp;

namespace {
Win32ProfileStore gProfileFile(gSetupSettings.ProfilePath);

void ProfileBesideProgram(HINSTANCE instance, char* path) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(instance, module, sizeof module);
  std::string_view dir(module, std::strlen(module) - FileNamePart(module).size());
  char full[MAX_PATH + 16];
  CopyText(full, dir);
  std::strncat(full, "TARVO.INI", sizeof full - std::strlen(full) - 1);
  CopyText(path, kProfilePathChars + 1, full);
}
}  // namespace

void PrepareSettings(HINSTANCE instance, const char* commandLine) {
  SetProgramInstance(instance);
  SetProfileStore(&gProfileFile);
  ProfileBesideProgram(instance, gSetupSettings.ProfilePath);
  gSetupSettings.ProfileReadOnly = ChooseProfile(gSetupSettings.ProfilePath);
  ReadSetupSettings();
  ParseCommandLine(commandLine, &gApp.Start);
  BindSystemColors();
  ResetColors(kAllScreenColors);
  ResetColors(kAllPrintShades);
  if (SwitchOf(gApp.Start, 'V') != 'V') LoadProfile();
  if (gApp.Start.CurrentSetup[0]) {
    CopyText(gNamedSetup.CurrentSetup, gApp.Start.CurrentSetup);
    LoadSetup(gNamedSetup.CurrentSetup, TitleBlocks{});  // its titles come with the window
  }
  ApplySwitches(gApp.Start.Switches);
}

bool RegisterMainClass(HINSTANCE instance) {
  WNDCLASSA wc = WindowClass(kClassName, MainWndProc, instance);
  wc.style = CS_DBLCLKS;
  wc.hIcon = LoadIconA(instance, "TARVO");
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);
  wc.lpszMenuName = "TARVO";
  if (RegisterWindowClass(wc)) return true;
  ReportMessage(nullptr, "Cannot register class", nullptr, MB_OK | MB_ICONHAND);
  return false;
}

namespace {
// The work area of the monitor nearest the stored position. The monitor
// calls are looked up at run time: Windows 95 and NT 4 know one screen only.
ScreenRect WorkAreaNear(const WindowPos& stored) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  using FromRect = HMONITOR(WINAPI*)(LPCRECT, DWORD);
  using Info = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  HMODULE user = GetModuleHandleA("user32.dll");
  auto fromRect =
      reinterpret_cast<FromRect>(reinterpret_cast<void*>(GetProcAddress(user, "MonitorFromRect")));
  auto info =
      reinterpret_cast<Info>(reinterpret_cast<void*>(GetProcAddress(user, "GetMonitorInfoA")));
  if (fromRect && info && stored.Left != kUseDefault) {
    LONG x = std::min<LONG>(stored.Left, INT32_MAX - 1),
         y = std::min<LONG>(stored.Top, INT32_MAX - 1);
    RECT r{x, y, x + 1, y + 1};
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (HMONITOR monitor = fromRect(&r, MONITOR_DEFAULTTONEAREST); monitor && info(monitor, &mi))
      area = mi.rcWork;
  }
  return {area.left, area.top, area.right, area.bottom};
}
}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  WindowPos pos = VisibleWindowPos(gViewOptions.Window, WorkAreaNear(gViewOptions.Window),
                                   GetSystemMetrics(SM_CXMIN), GetSystemMetrics(SM_CYMIN));
  HWND hwnd = CreateWindowExA(
      0, kClassName, kAppTitle, WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
      pos.Left, pos.Top, pos.Width, pos.Height, nullptr, nullptr, instance, nullptr);
  if (!hwnd) ReportMessage(nullptr, "Cannot create window", nullptr, MB_OK | MB_ICONHAND);
  KeepWideCaption(hwnd);
  gApp.MainWindow = hwnd;
  return hwnd;
}

int TarvoMain(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show) {
  PrepareSettings(instance, commandLine);
  LoadCtl3d(instance);
  if (!previous && !RegisterMainClass(instance)) return -1;
  HWND hwnd = CreateMainWindow(instance);
  if (!hwnd) return -2;

  char n = SwitchOf(gApp.Start, 'N'), x = SwitchOf(gApp.Start, 'X');
  ShowWindow(hwnd, n ? SW_SHOWMINIMIZED : (x ? SW_SHOWMAXIMIZED : show));
  gApp.Accelerators = LoadAcceleratorsA(instance, "TARVO");
  bool dde = SwitchOf(gApp.Start, 'D') != 0;
  if (dde && StartDdeServer(instance, hwnd)) gApp.DdeState = kDdeRunning;
  const char* name = gApp.Start.RequestedName;
  if (!dde || !std::strpbrk(name, "*?"))
    PostMessageA(hwnd, VW_STARTOPEN, 0, reinterpret_cast<LPARAM>(name));
  if (SwitchOf(gApp.Start, 'M')) PostMessageA(hwnd, WM_COMMAND, IDM_FORCE_ON_TOP, 0);
  if (SwitchOf(gApp.Start, 'F') || gSetupSettings.Follow)
    PostMessageA(hwnd, WM_COMMAND, IDM_FORCE_FOLLOW, 0);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateAcceleratorA(hwnd, gApp.Accelerators, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (gApp.DdeState == kDdeRunning) StopDdeServer();
  gApp.DdeState = kDdeOff;
  UnregisterClassA(kClassName, instance);
  UnloadCtl3d(instance);
  return static_cast<int>(msg.wParam);
}
