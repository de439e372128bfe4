#include "viewers/base/viewer_print.h"

namespace {
// Between pages the queue is pumped so that a cancel can come in.
void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PrintDocument(ViewerWindow& window, HDC dc, const char* docName, const PrintContent& content) {
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = docName;
  window.PrintCancelled() = false;
  if (StartDocA(dc, &doc) <= 0) return false;
  PrintJob job(dc, window.PrintCancelled());
  bool ok = StartPage(dc) > 0 && content(job) && EndPage(dc) > 0;
  if (ok) ok = EndDoc(dc) > 0;
  if (!ok) AbortDoc(dc);
  return ok;
}
}  // namespace

bool PrintJob::NextPage() {
  if (EndPage(dc_) <= 0) return false;
  PumpMessages();
  if (cancelled_ || StartPage(dc_) <= 0) return false;
  ++pages_;
  return true;
}

bool RunPrintJob(ViewerWindow& window, const PRINTDLGA* record, const char* docName,
                 const PrintContent& content) {
  if (record) return record->hDC && PrintDocument(window, record->hDC, docName, content);
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = window.Window();
  pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
  if (!PrintDlgA(&pd)) return false;  // cancelled
  bool ok = pd.hDC && PrintDocument(window, pd.hDC, docName, content);
  if (pd.hDC) DeleteDC(pd.hDC);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!ok && !window.PrintCancelled())
    MessageBoxA(window.Window(), "The file could not be printed.", "Print",
                MB_OK | MB_ICONEXCLAMATION);
  return ok;
}
