// The one command router of the main window: menu items and accelerators.
#include "viewer/app/commands.h"

#include "viewer/app/copy_selection.h"
#include "viewer/app/selection.h"
#include "viewer/app/view_state.h"
#include "viewer/navigation/search_commands.h"

#include "viewer/app/always_on_top.h"
#include "viewer/app/app_state.h"
#include "viewer/app/dialogs.h"
#include "viewer/app/main_window.h"
#include "viewer/app/screen_font.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"

namespace {
// Commands that do nothing without an open file.
bool NeedsFile(int id) {
  switch (id) {
    case IDM_CLOSE:
    case IDM_COPY:
    case IDM_FIND_TEXT:
    case IDM_FIND_HEX:
    case IDM_FIND_NEXT:
    case IDM_MARK_ALL:
    case IDM_MARK_TOGGLE:
    case IDM_MARK_NEXT:
    case IDM_UNMARK_ALL:
    case IDM_MARK_SET:
    case IDM_MARK_RESET:
    case IDM_SELECT_ALL:
    case IDM_UNSELECT:
    case IDM_FREEZE_TITLE:
    case IDM_CLEAR_TITLE: return true;
  }
  return false;
}
}  // namespace

void CopyCommand(HWND hwnd) {
  if (!HasSelection()) {
    MessageBeep(0);
    return;
  }
  CopySelection(hwnd, gSel.SelStart, gSel.SelEnd, gFile, FormatterFor(gViewOptions.Format),
                gViewOptions.CurrentFlags, gView.FormatLength);
}

void OnCommand(HWND hwnd, int id) {
  if (NeedsFile(id) && !gFile.Path[0]) return;
  switch (id) {
    case IDM_OPEN: RunOpenDialog(hwnd); break;
    case IDM_CLOSE: CloseFile(hwnd); break;
    case IDM_EXIT: SendMessageA(hwnd, WM_CLOSE, 0, 0); break;
    case IDM_COPY: CopyCommand(hwnd); break;
    case IDM_SELECT_ALL: SelectAll(hwnd); break;
    case IDM_FIND_TEXT:
    case IDM_FIND_HEX: OnFindDialog(hwnd, id); break;
    case IDM_FIND_NEXT: FindNext(hwnd); break;
    case IDM_MARK_ALL: MarkAll(hwnd); break;
    case IDM_MARK_TOGGLE: ToggleMark(hwnd); break;
    case IDM_MARK_NEXT: NextMark(hwnd); break;
    case IDM_UNMARK_ALL: UnmarkAll(hwnd); break;
    case IDM_MARK_SET: SetMarks(hwnd); break;
    case IDM_MARK_RESET: ResetMarks(hwnd); break;
    case IDM_UNSELECT: Unselect(hwnd); break;
    case IDM_TEXT: SwitchFormat(hwnd, FORMAT_TEXT); break;
    case IDM_HEX: SwitchFormat(hwnd, FORMAT_HEX); break;
    case IDM_RAW: SwitchFormat(hwnd, FORMAT_RAW); break;
    case IDM_WRAP: ToggleWrap(hwnd); break;
    case IDM_FREEZE_TITLE: FreezeTitle(hwnd); break;
    case IDM_CLEAR_TITLE: ClearTitle(hwnd); break;
    case IDM_FREEZE_COLUMNS: FreezeColumns(hwnd); break;
    case IDM_CLEAR_COLUMNS: ClearColumns(hwnd); break;
    case IDM_HELP_CONTENTS: ShowHelp(hwnd, HELP_CONTEXT, 16); break;
    case IDM_HELP_KEYBOARD: ShowHelp(hwnd, HELP_CONTEXT, 32); break;
    case IDM_HELP_ON_HELP: ShowHelp(hwnd, HELP_HELPONHELP, 0); break;
    case IDM_ABOUT: ShowAboutDialog(hwnd); break;
    case IDM_ALWAYS_ON_TOP:
    case IDM_FORCE_ON_TOP: OnAlwaysOnTop(hwnd, id); break;
    case IDM_ZOOM_IN:
    case IDM_ZOOM_OUT:
    case IDM_RESET_ZOOM: OnZoom(hwnd, id); break;
    default:
      if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST)
        OnRecentFile(hwnd, id - IDM_RECENT_FIRST);
      break;
  }
}
