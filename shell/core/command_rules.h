// When a viewer window's command may run and when its menu item is ticked,
// from the shown type and the window's state. The shell's command table
// gives each command one rule and one tick; its menus, its dispatcher and
// its button bar all ask here.
#pragma once

// What the rules look at; the viewer window's record fills it.
struct CommandContext {
  int Type = 0;
  bool HasSelection = false;
  bool PlayEnabled = false;
  bool Editing = false;  // the text viewer is in edit mode
  bool WordWrap = false;
  int Zoom = 0;
  int FileCount = 0;
};

enum class CommandRule {
  Always,
  Copies,      // a selection, or an archive
  SelectsAll,  // the type's menu offers it
  Finds,       // the type's menu offers it
  GoesTo,      // the type has a go-to dialog
  Prints,      // the type's menu offers it
  Plays,       // the viewer said it can play
  ShowsText,   // Edit: the text viewer, in view mode
  SavesAs,     // the text viewer, or a menu with a picture's Save As
  ZoomsIn,     // below the top of the type's zoom range
  ZoomsOut,    // above its bottom
  ListEntry,   // command - first names an entry of the list
};

enum class CommandTick {
  None,      // the item carries no tick, or keeps the one it has
  ViewItem,  // the View item of the type and mode
  Zoom,      // the zoom in force
  WordWrap,
};

// first: the first command of the row's range (for ListEntry).
bool RuleAllows(CommandRule rule, int command, int first, const CommandContext& context);
bool TickShown(CommandTick tick, int command, const CommandContext& context);
