// Save Options (164), Save Setup (165), Load Setup (166) and the reload of
// the current setup (167).
#include "viewer/app/commands.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/setup_dialogs.h"
#include "viewer/view/view_blocks.h"

namespace {
ScreenRect WindowRect(HWND hwnd) {
  RECT r = {};
  GetWindowRect(hwnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

// Loads a setup into the titles the main window lends, then shows it. A
// setup without titles leaves the frozen ones as they are.
void LoadIntoView(HWND hwnd, const char* section) {
  if (!EnsureTitleBlocks()) return;  // no title table: nothing is loaded
  {
    TitleLock titles;
    if (!titles.ok()) return;
    LoadSetup(section, {&gTitles, &gTitleText});
  }
  ApplyViewOptions(hwnd);
}
}  // namespace

void SaveOptionsCommand(HWND hwnd) {
  GroupMasks masks;
  if (!SaveOptionsDialog(hwnd, &masks)) return;
  const ScreenRect window = WindowRect(hwnd);
  TitleLock titles;  // without titles the list saved is empty
  SaveOptionGroups(masks, &window,
                   titles.ok() ? TitleBlocks{&gTitles, &gTitleText} : TitleBlocks{});
}

void SaveSetupCommand(HWND hwnd) {
  if (!SaveSetupDialog(hwnd, gNamedSetup)) return;
  const ScreenRect window = WindowRect(hwnd);
  TitleLock titles;
  SaveNamedSetup(gNamedSetup.CurrentSetup, gNamedSetup.LastGroupMask, &window,
                 titles.ok() ? TitleBlocks{&gTitles, &gTitleText} : TitleBlocks{});
}

void LoadSetupCommand(HWND hwnd) {
  if (LoadSetupDialog(hwnd, gNamedSetup) && gNamedSetup.CurrentSetup[0])
    LoadIntoView(hwnd, gNamedSetup.CurrentSetup);
}

void ReloadSetup(HWND hwnd) {
  if (gNamedSetup.CurrentSetup[0]) LoadIntoView(hwnd, gNamedSetup.CurrentSetup);
}
