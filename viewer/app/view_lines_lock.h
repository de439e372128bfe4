// Locks the main view's line table and text arena while the display reads
// them; nests inside a lock the caller already holds.
#pragma once
#include "viewer/app/view_blocks.h"

class ViewLinesLock {
 public:
  ViewLinesLock();
  ~ViewLinesLock();
  ViewLinesLock(const ViewLinesLock&) = delete;
  ViewLinesLock& operator=(const ViewLinesLock&) = delete;
  bool ok() const { return gLines.Entries && gText.Base; }

 private:
  LineEntry* outerEntries_;
  char* outerBase_;
};

// Frozen title rows shown above the text.
int TitleRowCount();
