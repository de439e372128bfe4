// Every command of the main window in one table: its handler, when it is
// available and when its menu item is checked. The router and the menu
// state both read it, so a greyed item is never a live command and the
// other way round.
#pragma once
#include <windows.h>

#include <span>

enum class CommandRule {
  Always,
  NeedsFile,       // nothing to act on without an open file
  StartsPrintJob,  // needs a file, and no other print job may be running
  WritesProfile,   // saves into the profile: not while it is read-only
  Unbuilt,         // its subsystem is not part of this build: always greyed
};

struct CommandRow {
  int Id;
  void (*Run)(HWND hwnd, int id);  // nullptr only for Unbuilt rows
  CommandRule Rule;
  bool (*Checked)();  // nullptr: the item never carries a check mark
};

std::span<const CommandRow> CommandTable();
// The row of a command, nullptr for ids the table does not know (the
// recent-file entries are routed by their range).
const CommandRow* FindCommand(int id);
// Whether the command may run now.
bool CommandAvailable(const CommandRow& row);
