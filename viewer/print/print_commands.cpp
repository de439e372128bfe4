#include "viewer/print/print_commands.h"

#include "viewer/print/page_composer.h"
#include "viewer/print/print_job_win32.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/page_setup.h"
#include "viewer/view/selection.h"
#include "viewer/view/view_state.h"

void PrintCommand(HWND hwnd, int command, const LOGFONTA& viewFont) {
  PrintRequest r;
  r.Font = viewFont;
  r.Options = gPageSetup.PrintOptions;
  r.Top = gView.TopOffset;
  switch (command) {
    case IDM_PRINT_TAGS: r.Options |= PO_TAGS_ONLY; [[fallthrough]];
    case IDM_PRINT:
      r.SelStart = r.RangeStart = gSel.SelStart;
      r.SelEnd = r.RangeEnd = gSel.SelEnd;
      break;
    case IDM_PRINT_PAGE:
      r.RangeStart = gView.TopOffset;
      r.FirstPage = r.LastPage = 1;
      r.Options |= PO_NO_DIALOG;
      break;
    case IDM_PRINT_FILE: r.Options |= PO_NO_DIALOG; break;
    case IDM_PRINT_TAGS_NO_DIALOG:
      r.RangeStart = gSel.SelStart;
      r.RangeEnd = gSel.SelEnd;
      r.Options |= PO_TAGS_ONLY | PO_NO_DIALOG;
      break;
    default: return;
  }
  PrintJob(hwnd, r);
}
