// The main window's movable memory blocks: the line table, its text arena and
// the tag list of the main view, and the frozen-title table and arena. They
// are kept unlocked and locked only while one message uses them.
#pragma once
#include <windows.h>

#include "viewer/buffer/line_table.h"
#include "viewer/buffer/tag_list.h"

struct ViewBlocks {
  HGLOBAL Lines = nullptr;
  HGLOBAL Text = nullptr;
  HGLOBAL Tags = nullptr;
  HGLOBAL TitleLines = nullptr;
  HGLOBAL TitleText = nullptr;
};

extern ViewBlocks gBlocks;
extern LineTable gLines;  // indexes persist; Entries set only while locked
extern TextArena gText;   // Tend persists; Base set only while locked
extern LineTable gTitles;
extern TextArena gTitleText;
extern TagList gTags;  // Count persists; Entries set only while locked

// Allocates the three main-view blocks (each only once); false when any is
// missing.
bool AllocateViewBlocks();
// Allocates the title blocks if needed and empties the title table.
bool AllocateTitleBlocks();
// Makes sure the title blocks exist, keeping the titles they hold.
bool EnsureTitleBlocks();
void FreeTitleBlocks();
void FreeViewBlocks();

// Frozen title rows shown above the text.
int TitleRowCount();

// Locks the main view's line table, arena and tag list for one message:
// gLines.Entries, gText.Base and gTags.Entries are valid while it lives.
// Locks nest; only the outermost one takes and gives back the pointers.
class ViewLock {
 public:
  ViewLock();
  ~ViewLock();
  ViewLock(const ViewLock&) = delete;
  ViewLock& operator=(const ViewLock&) = delete;
  bool ok() const { return gLines.Entries && gText.Base && gTags.Entries; }
};

// Locks the title blocks for one message: the table and arena pointers are
// valid while it lives.
class TitleLock {
 public:
  TitleLock();
  ~TitleLock();
  TitleLock(const TitleLock&) = delete;
  TitleLock& operator=(const TitleLock&) = delete;
  bool ok() const { return gTitles.Entries && gTitleText.Base; }
};
