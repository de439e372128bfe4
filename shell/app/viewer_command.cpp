#include "shell/app/viewer_command.h"

#include "shell/app/command_table.h"
#include "shell/app/shell_state.h"

namespace {

// The command of the button at index; 0 (no command) for a gap or an index
// outside the table.
int ButtonCommand(int index) {
  if (index < 0 || index >= ShellState.ButtonCount) return 0;
  return ShellState.ButtonTable[index].Code;
}

}  // namespace

void ViewerCommand(HWND window, int command, int code) {
  ViewerRecord* record = RecordOf(window);
  if (!record) return;
  CheckDesc(&record->Description);
  record->Description.HoveredButton = nullptr;
  if (code == kButtonIndexCode) {
    command = ButtonCommand(command);
    code = 0;
  }
  const CommandRow* row = FindShellCommand(command);
  if (!row || !row->Run || !CommandAvailable(*row, command, *record)) return;
  row->Run(window, record, command, code);
}
