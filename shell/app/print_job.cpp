#include "shell/app/print_job.h"

#include <cstdio>
#include <string>

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

// Posted by the box to itself once it is shown: the job starts.
constexpr UINT kStartPrinting = WM_USER + 119;

struct PrintingBox {
  ViewerRecord* Record;
  bool Started;
};

void OnInitDialog(HWND box, const PrintingBox* job) {
  SetWindowTextA(box, ShellState.AppTitle);
  const ViewerRecord* record = job->Record;
  char text[kListPathChars + 64];
  std::snprintf(text, sizeof text, ShellString(IDS_PRINTING).c_str(),
                record->Files[record->CurrentIndex]);
  SetDlgItemTextA(box, IDC_PRINTING_TEXT, text);
  CenterWindow(box);
}

// The viewer prints inside this call; the record is not touched after it,
// since closing the viewer window meanwhile frees it.
void OnStartPrinting(HWND box, const PrintingBox* job) {
  ViewerRecord* record = job->Record;
  SendMessageA(record->Child, ZV_PRINT, 0, reinterpret_cast<LPARAM>(&record->PrintDialog));
  EndDialog(box, 1);
}

void OnCancel(HWND box, const PrintingBox* job) {
  ViewerRecord* record = job->Record;
  SendMessageA(record->Child, ZV_CANCELPRINT, 0, 0);
  AbortDoc(record->PrintDialog.hDC);
  EndDialog(box, 1);
}

}  // namespace

INT_PTR CALLBACK PrintingDlgProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* job = reinterpret_cast<PrintingBox*>(GetWindowLongA(box, DWL_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongA(box, DWL_USER, lParam);
      OnInitDialog(box, reinterpret_cast<PrintingBox*>(lParam));
      return TRUE;
    case WM_PAINT:
      if (job && !job->Started) {
        job->Started = true;
        PostMessageA(box, kStartPrinting, 0, 0);
      }
      return FALSE;
    case kStartPrinting: OnStartPrinting(box, job); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      OnCancel(box, job);
      return TRUE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  }
  return FALSE;
}

void PrintShownFile(HWND window, ViewerRecord* record) {
  PRINTDLGA& dialog = record->PrintDialog;
  dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = record->Child;
  dialog.hInstance = ShellState.instance;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_DISABLEPRINTTOFILE |
                 PD_SHOWHELP | (record->HasSelection ? PD_SELECTION : PD_NOSELECTION);
  if (!PrintDlgA(&dialog)) return;
  // The job owns what the print dialog made: the viewer library draws on the
  // device context but neither keeps nor deletes it, so the job deletes it
  // (with the printer's settings) when the box has closed, also when the
  // viewer window was closed meanwhile; that window's library is then freed
  // here too, since it was still printing when the window went.
  const PRINTDLGA made = dialog;
  HMODULE library = record->Library;
  PrintingBox job = {record, false};
  record->Printing = true;
  DialogBoxParamA(ShellState.instance, "Printing", record->Child, PrintingDlgProc,
                  reinterpret_cast<LPARAM>(&job));
  if (RecordOf(window) == record) {
    record->Printing = false;
  } else if (library) {
    FreeLibrary(library);
  }
  if (made.hDC) DeleteDC(made.hDC);
  if (made.hDevMode) GlobalFree(made.hDevMode);
  if (made.hDevNames) GlobalFree(made.hDevNames);
}
