#include "tests/support/main_window_fixture.h"

#include <cstdio>
#include <cstring>

#include "viewer/app/app_state.h"
#include "viewer/app/selection.h"
#include "viewer/app/startup.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_state.h"
#include "win32/profile_store_win32.h"

namespace {
Win32ProfileStore gStore(gSetupSettings.ProfilePath);
BOOL WINAPI CancelOpenDialog(LPOPENFILENAMEA) { return FALSE; }
}  // namespace

std::vector<UINT> gBeeps;

namespace {
BOOL WINAPI RecordBeep(UINT type) {
  gBeeps.push_back(type);
  return TRUE;
}
}  // namespace

void ResetViewerRecords() {
  gViewOptions = ViewOptions{};
  gSetupSettings = SetupSettings{};
  gRecent = RecentLists{};
  gNamedSetup = NamedSetupState{};
  gApp = AppState{};
  gFile = FileRef{};
  gView = ViewState{};
  ClearSelection();
}

HWND CreateViewerWindow() {
  static bool registered = RegisterMainClass(ProgramInstance());
  if (!registered) return nullptr;
  HWND hwnd = CreateMainWindow(ProgramInstance());
  if (hwnd) ShowWindow(hwnd, SW_SHOWNORMAL);
  PumpMessages();
  return hwnd;
}

void MainWindowTest::SetUp() {
  ResetViewerRecords();
  gBeeps.clear();
  gMessageBeep = RecordBeep;
  gGetOpenFileName = CancelOpenDialog;
  profile_ = folder_.Write("TARVO.INI", profileText_);
  std::strncpy(gSetupSettings.ProfilePath, profile_.c_str(), kProfilePathChars);
  SetProfileStore(&gStore);
  ReadSetupSettings();
  LoadProfile();
  hwnd_ = CreateViewerWindow();
  ASSERT_NE(hwnd_, nullptr);
}

void MainWindowTest::TearDown() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  PumpMessages();
  gGetOpenFileName = GetOpenFileNameA;
  gMessageBeep = MessageBeep;
}

LRESULT MainWindowTest::OpenName(const std::string& name, WPARAM mayOfferDialog) {
  LRESULT r =
      SendMessageA(hwnd_, VW_OPENNAME, mayOfferDialog, reinterpret_cast<LPARAM>(name.c_str()));
  PumpMessages();
  return r;
}

std::string MainWindowTest::OpenNumberedLines(int lines) {
  std::string text;
  char line[32];
  for (int i = 0; i < lines; ++i) {
    std::snprintf(line, sizeof line, "line %04d\r\n", i);
    text += line;
  }
  std::string path = folder_.Write("numbered.txt", text);
  OpenName(path);
  return path;
}

std::string MainWindowTest::MenuText(HMENU menu, int pos) const {
  char text[64] = "";
  GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
  return text;
}

LRESULT MainWindowTest::Command(int id) {
  LRESULT r = SendMessageA(hwnd_, WM_COMMAND, id, 0);
  PumpMessages();
  return r;
}
