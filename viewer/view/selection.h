// The selection: a range of file offsets; -1 in both ends means none. The
// mouse selects whole lines, a search selects the bytes it found.
#pragma once
#include "viewer/buffer/file_offset.h"

struct Selection {
  FileOffset SelStart = -1;
  FileOffset SelEnd = -1;
  FileOffset AnchorStart = -1;  // the line where a mouse selection began
  FileOffset AnchorEnd = -1;
};

extern Selection gSel;

inline void ClearSelection() { gSel = Selection{}; }
inline bool HasSelection() { return gSel.SelStart >= 0 && gSel.SelEnd >= 0; }
