#include "win32/modal_dialog.h"

INT_PTR RunModalDialog(HINSTANCE instance, const char* name, HWND owner, DLGPROC proc,
                       void* record) {
  return DialogBoxParamA(instance, name, owner, proc, reinterpret_cast<LPARAM>(record));
}

void KeepDialogRecord(HWND dialog, LPARAM initParam) {
  SetWindowLongPtrA(dialog, DWLP_USER, initParam);
}

void* DialogRecordPointer(HWND dialog) {
  return reinterpret_cast<void*>(GetWindowLongPtrA(dialog, DWLP_USER));
}
