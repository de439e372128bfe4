// The print dialog's device mode and device names, kept in step with the
// printer set-up record: rebuilt from it when it was loaded from the
// profile, and taken back into it when a dialog chose a printer (so the
// driver's own data stays with the blocks while the program runs).
#pragma once
#include <windows.h>

struct PrinterBlocks {
  HGLOBAL DevMode = nullptr;
  HGLOBAL DevNames = nullptr;
};

// The blocks for a dialog or a device context (either may be null: none).
PrinterBlocks& CurrentPrinterBlocks();
// After a print dialog: its blocks replace the current ones (the dialog has
// freed those it replaced); chosen: the record takes the printer they name.
void TakePrinterBlocks(HGLOBAL devMode, HGLOBAL devNames, bool chosen);
void FreePrinterBlocks();
struct PrinterNameTexts {
  char Device[MAX_PATH + 1];
  char Driver[MAX_PATH + 1];
  char Port[MAX_PATH + 1];
};
// The texts of the device names; false without them.
bool PrinterNames(PrinterNameTexts* names);
// Command 104, "P&rint Setup...": true when a printer was chosen.
bool PrintSetupDialog(HWND owner);
