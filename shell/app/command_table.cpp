#include "shell/app/command_table.h"

#include "shell/app/about_box.h"
#include "shell/app/arrange_windows.h"
#include "shell/app/customize_toolbar.h"
#include "shell/app/file_commands.h"
#include "shell/app/find_goto_dialogs.h"
#include "shell/app/font_command.h"
#include "shell/app/launch_command.h"
#include "shell/app/print_job.h"
#include "shell/app/settings_dialog.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/view_commands.h"
#include "shell/core/viewer_table.h"
#include "shell/app/viewer_windows.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {
using R = CommandRule;
using T = CommandTick;

LRESULT SendToChild(const ViewerRecord* record, UINT message, WPARAM wParam = 0,
                    LPARAM lParam = 0) {
  return record->Child ? SendMessageA(record->Child, message, wParam, lParam) : 0;
}

void StepThroughList(HWND window, ViewerRecord* record, int step) {
  if (record->FileCount < 2) return;
  int next = (record->CurrentIndex + step + record->FileCount) % record->FileCount;
  OpenListEntry(window, next, true);
}

void ShowHelp(HWND window, ViewerRecord*, int command, int) {
  if (command == CMD_HELP_INDEX) {
    WinHelpA(window, ShellState.HelpFile, HELP_INDEX, 0);
  } else {
    WinHelpA(window, ShellState.HelpFile, HELP_CONTEXT, command == CMD_WHAT_IS ? 200 : 210);
  }
}

// The text viewer prints by itself, without the shell's print job.
void Print(HWND window, ViewerRecord* record, int, int) {
  if (RowOfType(record->Type).ShowsText) {
    SendToChild(record, ZV_PRINT, 0, 0);
  } else {
    PrintShownFile(window, record);
  }
}

// clang-format off
constexpr CommandRow kCommands[] = {
  // File
  {CMD_OPEN, CMD_OPEN,       [](HWND w, ViewerRecord* r, int, int) { OpenWithDialog(w, r); }, R::Always},
  {CMD_SAVE_AS, CMD_SAVE_AS, [](HWND, ViewerRecord* r, int, int) { SaveShownFileAs(r); }, R::SavesAs},
  {CMD_LAUNCH, CMD_LAUNCH,   [](HWND w, ViewerRecord* r, int, int) { LaunchCurrentFile(w, r); }, R::Always},
  {CMD_WORD_WRAP, CMD_WORD_WRAP, [](HWND, ViewerRecord* r, int, int) { ToggleWordWrap(r); },
                             R::Always, T::WordWrap},
  {CMD_PRINT, CMD_PRINT,     Print, R::Prints},
  {CMD_EXIT, CMD_EXIT,       [](HWND w, ViewerRecord*, int, int) { SendMessageA(w, WM_CLOSE, 0, 0); }, R::Always},
  {CMD_CLOSE_ALL, CMD_CLOSE_ALL, [](HWND, ViewerRecord*, int, int) { CloseAllViewers(); }, R::Always},
  {CMD_CLOSE_SHELL, CMD_CLOSE_SHELL,
                             [](HWND, ViewerRecord*, int, int) { SendMessageA(ShellState.MainWindow, WM_CLOSE, 0, 0); },
                             R::Always},
  // Edit
  {CMD_COPY, CMD_COPY,       [](HWND, ViewerRecord* r, int, int) { SendToChild(r, ZV_COPY); }, R::Copies},
  {CMD_SELECT_ALL, CMD_SELECT_ALL, [](HWND, ViewerRecord* r, int, int) { SendToChild(r, ZV_SELECTALL); },
                             R::SelectsAll},
  // View
  {CMD_ASCII, CMD_ASCII,     [](HWND w, ViewerRecord* r, int, int) { ShowAsText(w, r); }, R::Always, T::ViewItem},
  {CMD_HEX, CMD_HEX,         [](HWND w, ViewerRecord* r, int, int) { ShowAsHex(w, r); }, R::Always, T::ViewItem},
  {CMD_VIEWER, CMD_VIEWER,   [](HWND w, ViewerRecord* r, int, int) { ShowInOwnViewer(w, r); }, R::Always, T::ViewItem},
  {CMD_EDIT, CMD_EDIT,       [](HWND w, ViewerRecord* r, int, int) { StartEditing(w, r); }, R::ShowsText, T::ViewItem},
  // Options
  {CMD_FONTS, CMD_FONTS,     [](HWND, ViewerRecord* r, int, int) { ChooseSharedFont(r); }, R::Always},
  {CMD_SETTINGS, CMD_SETTINGS, [](HWND w, ViewerRecord*, int, int) { ShowSettingsDialog(w); }, R::Always},
  {CMD_CUSTOMIZE, CMD_CUSTOMIZE, [](HWND w, ViewerRecord*, int, int) { CustomizeToolbar(w); }, R::Always},
  {CMD_GOTO, CMD_GOTO,       [](HWND w, ViewerRecord* r, int, int) { ShowGoToDialog(w, r); }, R::GoesTo},
  {CMD_FIND, CMD_FIND,       [](HWND w, ViewerRecord* r, int, int) { ShowFindDialog(w, r); }, R::Finds},
  // Zoom
  {CMD_ZOOM_OUT, CMD_ZOOM_OUT, [](HWND, ViewerRecord* r, int, int) { SetZoom(r, r->Zoom - 1); }, R::ZoomsOut},
  {CMD_ZOOM_IN, CMD_ZOOM_IN, [](HWND, ViewerRecord* r, int, int) { SetZoom(r, r->Zoom + 1); }, R::ZoomsIn},
  {CMD_ZOOM_QUARTER, CMD_ZOOM_5X, [](HWND, ViewerRecord* r, int c, int) { SetZoom(r, c); }, R::Always, T::Zoom},
  {CMD_ZOOM_8X, CMD_ZOOM_16X, nullptr, R::Always},
  // Rotate, and the commands of a drawing viewer
  {CMD_FLIP, CMD_ROTATE,     [](HWND, ViewerRecord* r, int c, int) {
                               SendToChild(r, WM_COMMAND, c, 0);
                               RefreshStatus(r);
                             }, R::Always},
  {CMD_CAD_FIRST, CMD_CAD_LAST,
                             [](HWND, ViewerRecord* r, int c, int code) {
                               PostMessageA(r->Child, WM_COMMAND, c, static_cast<LPARAM>(code) << 16);
                             }, R::Always},
  // Filelist, Page, and the buttons' Last, Next and Play
  {CMD_FILE_ENTRY, CMD_FILE_ENTRY + kMaxListFiles - 1,
                             [](HWND w, ViewerRecord*, int c, int) { OpenListEntry(w, c - CMD_FILE_ENTRY, true); },
                             R::ListEntry},
  {CMD_PAGE_FIRST, CMD_PAGE_LAST,
                             [](HWND, ViewerRecord* r, int c, int) { SendToChild(r, ZV_SHOWPAGE, c - CMD_PAGE_FIRST); },
                             R::Always},
  {CMD_LAST, CMD_LAST,       [](HWND w, ViewerRecord* r, int, int) { StepThroughList(w, r, -1); }, R::Always},
  {CMD_NEXT, CMD_NEXT,       [](HWND w, ViewerRecord* r, int, int) { StepThroughList(w, r, +1); }, R::Always},
  {CMD_PLAY, CMD_PLAY,       [](HWND, ViewerRecord* r, int, int) { SendToChild(r, ZV_PLAY); }, R::Plays},
  // Window
  {CMD_NEW_WINDOW, CMD_NEW_WINDOW, [](HWND, ViewerRecord* r, int, int) { NewViewerWithList(r); }, R::Always},
  {CMD_CASCADE, CMD_CASCADE, [](HWND, ViewerRecord*, int, int) { CascadeViewers(); }, R::Always},
  {CMD_TILE_HORIZONTALLY, CMD_TILE_HORIZONTALLY,
                             [](HWND, ViewerRecord*, int, int) { TileViewers(TileDirection::Horizontal); }, R::Always},
  {CMD_TILE_VERTICALLY, CMD_TILE_VERTICALLY,
                             [](HWND, ViewerRecord*, int, int) { TileViewers(TileDirection::Vertical); }, R::Always},
  // Help
  {CMD_HELP_INDEX, CMD_HOW_TO_USE, ShowHelp, R::Always},
  {CMD_ABOUT, CMD_ABOUT,     [](HWND, ViewerRecord*, int, int) { ShowAboutBox(ShellState.MainWindow); }, R::Always},
};
// clang-format on
}  // namespace

std::span<const CommandRow> ShellCommandTable() { return kCommands; }

const CommandRow* FindShellCommand(int command) {
  for (const CommandRow& row : kCommands)
    if (command >= row.First && command <= row.Last) return &row;
  return nullptr;
}

CommandContext ContextOf(const ViewerRecord& record) {
  return {record.Type,         record.HasSelection, record.PlayEnabled, !record.EditAvailable,
          ShellState.WordWrap, record.Zoom,         record.FileCount};
}

bool CommandAvailable(const CommandRow& row, int command, const ViewerRecord& record) {
  return RuleAllows(row.Rule, command, row.First, ContextOf(record));
}
