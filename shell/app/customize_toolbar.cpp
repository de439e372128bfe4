#include "shell/app/customize_toolbar.h"

#include <string>

#include "shell/app/button_bar.h"
#include "shell/app/button_table.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_record.h"
#include "shell/core/button_settings.h"
#include "shell/resources/shell_ids.h"
#include "toolbar/toolbar_link.h"

namespace {

LONG RunToolbarDialog(HWND viewer) {
  const std::string path = std::string(ShellState.ProgramDirSlash) + kToolbarLibrary;
  HMODULE library = LoadLibraryA(path.c_str());
  auto entry = library ? reinterpret_cast<ToolbarDialogEntry>(
                             reinterpret_cast<void*>(GetProcAddress(library, kToolbarEntryPoint)))
                       : nullptr;
  if (!entry) {
    if (library) FreeLibrary(library);
    ShellError(viewer, IDS_TOOLBAR_LIBRARY_MISSING, MB_ICONEXCLAMATION);
    return kToolbarDialogFailed;
  }
  const std::span<const int> offered = OfferedButtonCommands();
  // The settings file by its full path, the one the shell reads the table
  // from again.
  ToolbarDialogRecord record = {ShellState.instance,
                                library,
                                viewer,
                                ShellState.ButtonTable,
                                reinterpret_cast<const int32_t*>(offered.data()),
                                ShellState.ButtonCount,
                                kButtonCommandCount,
                                {0, 0},
                                ShellState.AppTitle,
                                kButtonSection,
                                ShellState.IniPath,
                                ShellState.HelpFile};
  const LONG result = entry(&record);
  if (result == kToolbarDialogFailed)
    ShellError(viewer, IDS_TOOLBAR_DIALOG_FAILED, MB_ICONEXCLAMATION);
  FreeLibrary(library);
  return result;
}

void RebuildButtonBars() {
  for (int i = 0; i < ShellState.ViewerCount; ++i) {
    HWND viewer = ShellState.ViewerList[i];
    ViewerRecord* record = RecordOf(viewer);
    if (!record || !record->Child) continue;
    if (record->ButtonBar) DestroyWindow(record->ButtonBar);
    record->ButtonBar = CreateButtonBar(viewer);
    if (record->ButtonBar) {
      SetWindowTextA(record->ButtonBar, record->StatusText);
      UpdateWindow(record->ButtonBar);
    }
  }
}

}  // namespace

void CustomizeToolbar(HWND viewer) {
  const LONG result = RunToolbarDialog(viewer);
  // Nothing is stored when the dialog did not come or changed nothing.
  if (result == kToolbarUnchanged || result == kToolbarDialogFailed) return;
  if (!ReadButtonTable()) {
    ShellError(viewer, IDS_TOOLBAR_FAILED, MB_ICONSTOP);
    return;
  }
  RebuildButtonBars();
}
