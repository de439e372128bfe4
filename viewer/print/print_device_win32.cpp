#include "viewer/print/print_device_win32.h"

#include <commdlg.h>

#include <cstdio>

#include "viewer/print/printer_blocks_win32.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"

namespace {
bool gAbort = false;
HWND gProgress = nullptr;

void Tell(HWND owner, const char* text) {
  ReportMessage(owner, text, kProgramCaption, MB_OK | MB_ICONHAND);
}

INT_PTR CALLBACK AbortDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: SetFocus(GetDlgItem(dialog, IDCANCEL)); return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      gAbort = true;
      EnableWindow(GetParent(dialog), TRUE);
      DestroyWindow(dialog);
      gProgress = nullptr;
      return TRUE;
    default: return FALSE;
  }
}

// The spooler calls this while it works: the process's messages go on
// being handled (the progress dialog's first), and Cancel stops the job.
BOOL CALLBACK AbortProc(HDC, int) {
  MSG msg;
  while (!gAbort && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (gProgress && IsDialogMessageA(gProgress, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return !gAbort;
}

HDC DeviceFromStoredSetup() {
  PrinterBlocks& blocks = CurrentPrinterBlocks();
  PrinterNameTexts names;
  if (!blocks.DevMode || !PrinterNames(&names)) return nullptr;
  auto* mode = static_cast<DEVMODEA*>(GlobalLock(blocks.DevMode));
  HDC dc = CreateDCA(names.Driver, names.Device, names.Port, mode);
  GlobalUnlock(blocks.DevMode);
  return dc;
}

// The stored printer cannot be opened: says which it is and offers the
// set-up form of the print dialog. True when the user chose a printer there
// and it opens.
bool OfferAnotherPrinter(HWND owner, const PrinterNameTexts& stored, PrintDevice& device) {
  char text[2 * MAX_PATH + 160];
  std::snprintf(text, sizeof text,
                "The printer of the print setup, %s on %s, cannot be opened.\n\n"
                "Choose a printer for this print?",
                stored.Device, stored.Port);
  if (ReportMessage(owner, text, kProgramCaption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return false;
  if (!PrintSetupDialog(owner)) return false;
  if ((device.Dc = DeviceFromStoredSetup())) return true;
  Tell(owner, "The chosen printer cannot be opened either.");
  return false;
}

// The device context from the print dialog, or from the stored set-up (the
// default printer when none is stored) without it.
bool ChoosePrinter(HWND owner, bool noDialog, bool selection, int first, int last,
                   PrintDevice& device) {
  PrinterNameTexts stored;
  if (noDialog && CurrentPrinterBlocks().DevMode && PrinterNames(&stored))
    return (device.Dc = DeviceFromStoredSetup()) || OfferAnotherPrinter(owner, stored, device);
  PrinterBlocks& blocks = CurrentPrinterBlocks();
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.hDevMode = blocks.DevMode;
  pd.hDevNames = blocks.DevNames;
  pd.nMinPage = 0;
  pd.nMaxPage = 65535;
  pd.nFromPage = first > 0 ? static_cast<WORD>(first) : 0xFFFF;  // 0xFFFF: an empty field
  pd.nToPage = first > 0 && last >= 0 ? static_cast<WORD>(last) : 0xFFFF;
  pd.Flags = noDialog
                 ? PD_RETURNDEFAULT | PD_RETURNDC
                 : PD_RETURNDC | PD_USEDEVMODECOPIES | (selection ? PD_SELECTION : PD_NOSELECTION);
  if (noDialog) pd.hDevMode = pd.hDevNames = nullptr;  // the default printer fills the set-up
  const bool chosen = PrintDlgA(&pd) != FALSE;
  if (noDialog && !chosen) {
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
  } else {
    if (noDialog) FreePrinterBlocks();
    TakePrinterBlocks(pd.hDevMode, pd.hDevNames, chosen);
  }
  if (!chosen) {
    DWORD error = CommDlgExtendedError();
    if (!error) return false;  // cancelled
    char text[160];
    std::snprintf(text, sizeof text,
                  "A printer definition changed or is invalid [%lX].\n\n"
                  "Use File/Print Setup to pick a new printer.",
                  static_cast<unsigned long>(error));
    Tell(owner, text);
    return false;
  }
  device.Dc = pd.hDC;
  device.Dialog = !noDialog;
  device.PagesChosen = !noDialog && (pd.Flags & PD_PAGENUMS);
  device.SelectionChosen = !noDialog && (pd.Flags & PD_SELECTION);
  device.FromPage = pd.nFromPage;
  device.ToPage = pd.nToPage;
  return true;
}

void SetProgressTexts(HWND dialog, const char* documentName) {
  char text[2 * MAX_PATH + 32];
  std::snprintf(text, sizeof text, "Printing %s", documentName);
  SetDlgItemTextA(dialog, IDC_PRINT_DOCUMENT, text);
  PrinterNameTexts names;
  if (PrinterNames(&names))
    std::snprintf(text, sizeof text, "on the %s on %s", names.Device, names.Port);
  else
    std::snprintf(text, sizeof text, "on the (unknown printer) on (unknown)");
  SetDlgItemTextA(dialog, IDC_PRINT_PRINTER, text);
}
}  // namespace

PrintDevice OpenPrintJob(HWND owner, const char* documentName, bool noDialog, bool selection,
                         int first, int last) {
  PrintDevice device;
  if (!ChoosePrinter(owner, noDialog, selection, first, last, device)) return PrintDevice{};
  DOCINFOA doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = documentName;
  if (StartDocA(device.Dc, &doc) <= 0) {
    const DWORD error = GetLastError();
    if (error != ERROR_CANCELLED && error != ERROR_PRINT_CANCELLED)
      Tell(owner, "Cannot initialize document printing!");
    DeleteDC(device.Dc);
    return PrintDevice{};
  }
  gAbort = false;
  const char* failure = nullptr;
  if (SetAbortProc(device.Dc, AbortProc) <= 0) {
    failure = "Cannot set abort procedure!";
  } else if (!(gProgress =
                   CreateDialogA(ProgramInstance(), "AbortPrintDlg", owner, AbortDlgProc))) {
    failure = "Cannot create information window!";
  }
  if (failure) {
    Tell(owner, failure);
    EndPrintJob(owner, device, true);
    return PrintDevice{};
  }
  device.Progress = gProgress;
  SetProgressTexts(gProgress, documentName);
  ShowWindow(gProgress, SW_SHOW);
  EnableWindow(owner, FALSE);
  return device;
}

void EndPrintJob(HWND owner, PrintDevice& device, bool aborted) {
  EnableWindow(owner, TRUE);
  if (aborted)
    AbortDoc(device.Dc);
  else
    EndDoc(device.Dc);
  DeleteDC(device.Dc);
  if (gProgress) DestroyWindow(gProgress);
  gProgress = nullptr;
  gAbort = false;
  device = PrintDevice{};
}

// Composing runs the abort procedure itself too: not every spooler calls it
// while pages are drawn, and the progress dialog must answer Cancel.
bool PrintCancelled() { return !AbortProc(nullptr, 0); }

void ShowPrintProgress(int page, bool printed) {
  if (!gProgress) return;
  char text[48];
  std::snprintf(text, sizeof text, printed ? "Printing page %d" : "Skipping page %d", page);
  SetDlgItemTextA(gProgress, IDC_PRINT_PROGRESS, text);
}
