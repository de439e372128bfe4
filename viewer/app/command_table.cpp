#include "viewer/app/command_table.h"

#include "viewer/app/about_dialog.h"
#include "viewer/app/always_on_top.h"
#include "viewer/app/app_state.h"
#include "viewer/app/commands.h"
#include "viewer/app/follow_mode.h"
#include "viewer/app/main_window.h"
#include "viewer/app/screen_font.h"
#include "viewer/navigation/goto_command.h"
#include "viewer/navigation/search_commands.h"
#include "viewer/print/print_commands.h"
#include "viewer/print/printer_blocks_win32.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/help.h"
#include "viewer/services/print_job_guard.h"
#include "viewer/settings/page_setup_dialog.h"
#include "viewer/settings/view_font_win32.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/view_state.h"

namespace {
using R = CommandRule;

bool FormatIs(int format) { return gViewOptions.Format == format; }

// The printer's font is the screen's, sized by the print job.
void PrintWithViewFont(HWND hwnd, int command) {
  PrintCommand(hwnd, command, ViewLogFont(gViewOptions, 0));
}

// clang-format off
constexpr CommandRow kCommands[] = {
  // File
  {IDM_OPEN,           [](HWND h, int) { RunOpenDialog(h); },             R::Always,    nullptr},
  {IDM_CLOSE,          [](HWND h, int) { CloseFile(h); },                 R::NeedsFile, nullptr},
  {IDM_PRINT,          PrintWithViewFont,                                 R::StartsPrintJob, nullptr},
  {IDM_PRINT_PAGE,     PrintWithViewFont,                                 R::StartsPrintJob, nullptr},
  {IDM_PRINT_TAGS,     PrintWithViewFont,                                 R::StartsPrintJob, nullptr},
  {IDM_PRINT_FILE,     PrintWithViewFont,                                 R::StartsPrintJob, nullptr},
  {IDM_PRINT_TAGS_NO_DIALOG, PrintWithViewFont,                           R::StartsPrintJob, nullptr},
  {IDM_PAGE_SETUP,     [](HWND h, int) { PageSetupDialog(h, gPageSetup, gSetupSettings); },
                       R::Always,    nullptr},
  {IDM_PRINT_SETUP,    [](HWND h, int) { PrintSetupDialog(h); },          R::Always,    nullptr},
  {IDM_IGNORE_DDE,     [](HWND h, int) { ToggleIgnoreDde(h); },           R::Always,
                       [] { return gApp.DdeState != kDdeRunning; }},
  {IDM_EXIT,           [](HWND h, int) { SendMessageA(h, WM_CLOSE, 0, 0); }, R::Always, nullptr},
  // Edit
  {IDM_COPY,           [](HWND h, int) { CopyCommand(h); },               R::NeedsFile, nullptr},
  {IDM_SELECT_ALL,     [](HWND h, int) { SelectAll(h); },                 R::NeedsFile, nullptr},
  {IDM_UNSELECT,       [](HWND h, int) { Unselect(h); },                  R::NeedsFile, nullptr},
  {IDM_FIND_TEXT,      OnFindDialog,                                      R::NeedsFile, nullptr},
  {IDM_FIND_HEX,       OnFindDialog,                                      R::NeedsFile, nullptr},
  {IDM_FIND_NEXT,      [](HWND h, int) { FindNext(h); },                  R::NeedsFile, nullptr},
  {IDM_MARK_ALL,       [](HWND h, int) { MarkAll(h); },                   R::NeedsFile, nullptr},
  {IDM_GOTO,           [](HWND h, int) { GoTo(h); },                      R::NeedsFile, nullptr},
  // View
  {IDM_TEXT,           [](HWND h, int) { SwitchFormat(h, FORMAT_TEXT); }, R::Always,
                       [] { return FormatIs(FORMAT_TEXT); }},
  {IDM_HEX,            [](HWND h, int) { SwitchFormat(h, FORMAT_HEX); },  R::Always,
                       [] { return FormatIs(FORMAT_HEX); }},
  {IDM_RAW,            [](HWND h, int) { SwitchFormat(h, FORMAT_RAW); },  R::Always,
                       [] { return FormatIs(FORMAT_RAW); }},
  {IDM_WRAP,           [](HWND h, int) { ToggleWrap(h); },                R::Always,
                       [] { return (gViewOptions.CurrentFlags & FMT_WRAP) != 0; }},
  {IDM_ZOOM_IN,        OnZoom,                                            R::Always,
                       [] { return gView.ZoomLevel > 0; }},
  {IDM_ZOOM_OUT,       OnZoom,                                            R::Always,
                       [] { return gView.ZoomLevel < 0; }},
  {IDM_RESET_ZOOM,     OnZoom,                                            R::Always,    nullptr},
  {IDM_ALWAYS_ON_TOP,  OnAlwaysOnTop,                                     R::Always,
                       [] { return gView.AlwaysOnTop; }},
  {IDM_FORCE_ON_TOP,   OnAlwaysOnTop,                                     R::Always,    nullptr},
  {IDM_FOLLOW,         OnFollowCommand,                                   R::Always,
                       [] { return FollowOn(); }},
  {IDM_FORCE_FOLLOW,   OnFollowCommand,                                   R::Always,    nullptr},
  // Format
  {IDM_OPTIONS,        [](HWND h, int) { FormatOptions(h); },             R::Always,    nullptr},
  {IDM_FONT,           [](HWND h, int) { FontCommand(h); },               R::Always,    nullptr},
  {IDM_COLOR,          [](HWND h, int) { ColorCommand(h); },              R::Always,    nullptr},
  {IDM_SAVE_OPTIONS,   [](HWND h, int) { SaveOptionsCommand(h); },        R::WritesProfile, nullptr},
  {IDM_SAVE_SETUP,     [](HWND h, int) { SaveSetupCommand(h); },          R::WritesProfile, nullptr},
  {IDM_LOAD_SETUP,     [](HWND h, int) { LoadSetupCommand(h); },          R::Always,    nullptr},
  {IDM_RELOAD_SETUP,   [](HWND h, int) { ReloadSetup(h); },               R::Always,    nullptr},
  // Mark
  {IDM_MARK_TOGGLE,    [](HWND h, int) { ToggleMark(h); },                R::NeedsFile, nullptr},
  {IDM_MARK_SET,       [](HWND h, int) { SetMarks(h); },                  R::NeedsFile, nullptr},
  {IDM_MARK_RESET,     [](HWND h, int) { ResetMarks(h); },                R::NeedsFile, nullptr},
  {IDM_UNMARK_ALL,     [](HWND h, int) { UnmarkAll(h); },                 R::NeedsFile, nullptr},
  {IDM_MARK_NEXT,      [](HWND h, int) { NextMark(h); },                  R::NeedsFile, nullptr},
  {IDM_FREEZE_TITLE,   [](HWND h, int) { FreezeTitle(h); },               R::NeedsFile, nullptr},
  {IDM_CLEAR_TITLE,    [](HWND h, int) { ClearTitle(h); },                R::NeedsFile, nullptr},
  {IDM_FREEZE_COLUMNS, [](HWND h, int) { FreezeColumns(h); },             R::Always,    nullptr},
  {IDM_CLEAR_COLUMNS,  [](HWND h, int) { ClearColumns(h); },              R::Always,    nullptr},
  // Help
  {IDM_HELP_CONTENTS,  [](HWND h, int) { ShowHelp(h, HELP_CONTEXT, 16); }, R::Always,   nullptr},
  {IDM_HELP_KEYBOARD,  [](HWND h, int) { ShowHelp(h, HELP_CONTEXT, 32); }, R::Always,   nullptr},
  {IDM_HELP_ON_HELP,   [](HWND h, int) { ShowHelp(h, HELP_HELPONHELP, 0); }, R::Always, nullptr},
  {IDM_ABOUT,          [](HWND h, int) { ShowAboutDialog(h); },           R::Always,    nullptr},
};
// clang-format on
}  // namespace

std::span<const CommandRow> CommandTable() { return kCommands; }

const CommandRow* FindCommand(int id) {
  for (const CommandRow& row : kCommands)
    if (row.Id == id) return &row;
  return nullptr;
}

bool CommandAvailable(const CommandRow& row) {
  switch (row.Rule) {
    case CommandRule::Always: return true;
    case CommandRule::NeedsFile: return gFile.Path[0] != '\0';
    case CommandRule::StartsPrintJob: return gFile.Path[0] != '\0' && !PrintJobRunning();
    case CommandRule::WritesProfile: return !gSetupSettings.ProfileReadOnly;
    case CommandRule::Unbuilt: return false;
  }
  return false;
}
