// The one command router of the main window: menu items and accelerators.
#include "viewer/app/commands.h"

#include "viewer/app/command_table.h"
#include "viewer/app/copy_selection.h"
#include "viewer/app/main_window.h"
#include "viewer/app/selection.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/open_file.h"
#include "viewer/view/view_state.h"

void CopyCommand(HWND hwnd) {
  if (!HasSelection()) {
    MessageBeep(0);
    return;
  }
  const uint32_t flags = gViewOptions.CurrentFlags;
  // A fixed line length is copied as it is set, whatever the window shows.
  const int32_t lineLength =
      (flags & FMT_FIXED_LENGTH) ? gViewOptions.LineLength : gView.FormatLength;
  CopySelection(hwnd, gSel.SelStart, gSel.SelEnd, gFile, FormatterFor(gViewOptions.Format), flags,
                lineLength, gViewOptions.TabLength);
}

void OnCommand(HWND hwnd, int id) {
  if (const CommandRow* row = FindCommand(id)) {
    if (row->Run && CommandAvailable(*row)) row->Run(hwnd, id);
  } else if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) {
    OnRecentFile(hwnd, id - IDM_RECENT_FIRST);
  }
}
