// WM_CREATE and WM_DESTROY of the main window.
#include "viewer/app/app_state.h"
#include "viewer/app/main_window.h"
#include "viewer/app/menu_state.h"
#include "viewer/app/screen_font.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/titles_profile.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"

namespace {
void ReadStartupTitles() {
  if (!AllocateTitleBlocks()) {
    ReportMessage(nullptr, "Cannot allocate memory for title.", kAppTitle,
                  MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  TitleLock lock;
  if (!lock.ok()) return;
  if (SwitchOf(gApp.Start, 'V') != 'V') ReadTitles("Titles", &gTitles, &gTitleText);
  const char* setup = gNamedSetup.CurrentSetup;
  if (*setup && (SetupGroupMask(setup) & SAVE_TITLES)) ReadTitles(setup, &gTitles, &gTitleText);
}
}  // namespace

LRESULT OnCreate(HWND hwnd, LPARAM lParam) {
  ReadStartupTitles();
  RememberMenuPopups(GetMenu(hwnd));
  PruneMenu(hwnd);
  SendMessageA(hwnd, VW_MAKEFONT, 0, 0);
  if (AllocateViewBlocks()) {
    DragAcceptFiles(hwnd, TRUE);
    if (gSetupSettings.MruFiles)
      AppendMenuA(GetSubMenu(GetMenu(hwnd), 0), MF_SEPARATOR, 0, nullptr);
    if (gNamedSetup.CurrentSetup[0]) SendMessageA(hwnd, WM_COMMAND, IDM_RELOAD_SETUP, 0);
  } else {
    ReportMessage(nullptr, "Cannot allocate memory", kAppTitle, MB_OK | MB_ICONHAND);
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  return DefWindowProcA(hwnd, WM_CREATE, 0, lParam);
}

void OnDestroy(HWND hwnd) {
  SendMessageA(hwnd, PG_CLOSE, 0, 0);
  SaveRecentSearches();
  SaveRecentFiles();
  WinHelpA(hwnd, "TARVO.HLP", HELP_QUIT, 0);
  DragAcceptFiles(hwnd, FALSE);
  FreeViewBlocks();
  DeleteScreenFont();
  PostQuitMessage(0);
}
