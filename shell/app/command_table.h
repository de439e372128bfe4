// Every command of the viewer windows in one table: its handler, the rule
// that decides when it may run and the tick of its menu item. The menus,
// the dispatcher, the main window's pass-through of accelerators and the
// button bar all read it, so a greyed item is never a live command and the
// other way round.
#pragma once
#include <windows.h>

#include <span>

#include "shell/app/viewer_record.h"
#include "shell/core/command_rules.h"

struct CommandRow {
  int First, Last;  // one command, or a range (list entries, zooms, pages)
  // nullptr: a command whose feature is still to come; it is accepted and
  // does nothing.
  void (*Run)(HWND window, ViewerRecord* record, int command, int code);
  CommandRule Rule;
  CommandTick Tick = CommandTick::None;
};

std::span<const CommandRow> ShellCommandTable();
// The row of a command; nullptr for ids that are no viewer command.
const CommandRow* FindShellCommand(int command);

CommandContext ContextOf(const ViewerRecord& record);
bool CommandAvailable(const CommandRow& row, int command, const ViewerRecord& record);
