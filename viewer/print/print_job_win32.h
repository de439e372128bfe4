// One print job of the viewed file: the printer (the print dialog, or the
// stored set-up without one), the progress dialog with Cancel while the
// main window is disabled, the pages composed and drawn on the printer, and
// what the user is told at the end.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewer/buffer/file_offset.h"

struct PrintRequest {
  FileOffset SelStart = -1, SelEnd = -1;      // selection shading; -1: none
  FileOffset RangeStart = -1, RangeEnd = -1;  // a negative one: no selection range
  FileOffset Top = 0;                         // the top line's offset, for pages counted from it
  int FirstPage = 0, LastPage = -1;           // first <= 0: from the first; last < 0: to the end
  uint32_t Options = 0;                       // PrintOptions, PO_TAGS_ONLY, PO_NO_DIALOG
  LOGFONTA Font = {};                         // the viewer's font; the job sets its height
};

// The pages printed, 0 when nothing was, negative after an error.
int PrintJob(HWND owner, const PrintRequest& request);
