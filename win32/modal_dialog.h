// Modal dialogs that edit a record: the record travels to the dialog
// procedure with WM_INITDIALOG and stays with the dialog for later messages.
#pragma once
#include <windows.h>

// Runs dialog template `name` of `instance` over owner; returns what the
// procedure passed to EndDialog (-1 when the dialog could not be made).
INT_PTR RunModalDialog(HINSTANCE instance, const char* name, HWND owner, DLGPROC proc,
                       void* record);

// Stores the record of WM_INITDIALOG's lParam with the dialog.
void KeepDialogRecord(HWND dialog, LPARAM initParam);
void* DialogRecordPointer(HWND dialog);

// The record the dialog was run with.
template <class Record>
Record* DialogRecord(HWND dialog) {
  return static_cast<Record*>(DialogRecordPointer(dialog));
}
