// The selection: a range of file offsets; -1 in both ends means none. The
// mouse selects whole lines, a search selects the bytes it found.
#pragma once
#include <cstdint>

struct Selection {
  int32_t SelStart = -1;
  int32_t SelEnd = -1;
  int32_t AnchorStart = -1;  // the line where a mouse selection began
  int32_t AnchorEnd = -1;
};

extern Selection gSel;

inline void ClearSelection() { gSel = Selection{}; }
inline bool HasSelection() { return gSel.SelStart >= 0 && gSel.SelEnd >= 0; }
