// The printer side of a print job: the device context from the print
// dialog or the stored set-up, the document, the abort procedure and the
// progress dialog with its Cancel button.
#pragma once
#include <windows.h>

struct PrintDevice {
  HDC Dc = nullptr;  // none: nothing to print (cancelled, or the user was told why)
  HWND Progress = nullptr;
  bool Dialog = false;           // the print dialog was shown
  bool PagesChosen = false;      // the user gave pages From ... To
  bool SelectionChosen = false;  // the user chose the selection
  int FromPage = 0, ToPage = 0;
};

// Opens the printer and starts the document; the main window is disabled
// while the progress dialog shows. first and last fill the dialog's page
// fields when given (first > 0, last >= 0).
PrintDevice OpenPrintJob(HWND owner, const char* documentName, bool noDialog, bool selection,
                         int first, int last);
// Enables the main window, ends (or, aborted, drops) the document, deletes
// the device context and the progress dialog.
void EndPrintJob(HWND owner, PrintDevice& device, bool aborted);
// Handles the messages waiting (the progress dialog's first); true once its
// Cancel was pressed.
bool PrintCancelled();
// Shows what page the job is at in the progress dialog.
void ShowPrintProgress(int page, bool printed);
