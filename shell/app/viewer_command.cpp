#include "shell/app/viewer_command.h"

#include "shell/app/command_table.h"

void ViewerCommand(HWND window, int command, int code) {
  ViewerRecord* record = RecordOf(window);
  const CommandRow* row = FindShellCommand(command);
  if (!record || !row || !row->Run || !CommandAvailable(*row, command, *record)) return;
  row->Run(window, record, command, code);
}
