#include "viewer/app/view_lines_lock.h"

ViewLinesLock::ViewLinesLock() : outerEntries_(gLines.Entries), outerBase_(gText.Base) {
  if (!gBlocks.Lines || !gBlocks.Text) return;
  gLines.Entries = static_cast<LineEntry*>(GlobalLock(gBlocks.Lines));
  gText.Base = static_cast<char*>(GlobalLock(gBlocks.Text));
}

ViewLinesLock::~ViewLinesLock() {
  if (gBlocks.Lines && gLines.Entries) GlobalUnlock(gBlocks.Lines);
  if (gBlocks.Text && gText.Base) GlobalUnlock(gBlocks.Text);
  gLines.Entries = outerEntries_;
  gText.Base = outerBase_;
}

int TitleRowCount() {
  if (!gBlocks.TitleLines) return 0;
  int n = gTitles.Alast - gTitles.Acur;
  return n > 0 ? n : 0;
}
