// The main window's movable memory blocks: the line table, its text arena and
// the tag list of the main view, and the frozen-title table and arena. They
// are kept unlocked and locked only while one message uses them.
#pragma once
#include <windows.h>

#include "viewer/buffer/line_table.h"

constexpr int32_t kTagListBlockBytes = 65530;

struct ViewBlocks {
  HGLOBAL Lines = nullptr;
  HGLOBAL Text = nullptr;
  HGLOBAL Tags = nullptr;
  HGLOBAL TitleLines = nullptr;
  HGLOBAL TitleText = nullptr;
};

extern ViewBlocks gBlocks;
extern LineTable gLines;      // indexes persist; Entries set only while locked
extern TextArena gText;       // Tend persists; Base set only while locked
extern LineTable gTitles;
extern TextArena gTitleText;
extern int gTagCount;         // tags held in the tag-list block

// Allocates the three main-view blocks (each only once); false when any is
// missing.
bool AllocateViewBlocks();
// Allocates the title blocks if needed and empties the title table.
bool AllocateTitleBlocks();
void FreeTitleBlocks();
void FreeViewBlocks();

// Frozen title rows shown above the text.
int TitleRowCount();

// Locks the line table and text arena of the main view for one message: the
// entry and character pointers of gLines and gText are valid while it lives.
class ViewLock {
 public:
  ViewLock();
  ~ViewLock();
  ViewLock(const ViewLock&) = delete;
  ViewLock& operator=(const ViewLock&) = delete;
  bool ok() const { return gLines.Entries && gText.Base; }
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
