#include "viewer/services/print_job_guard.h"

namespace {
bool gRunning = false;
bool gCloseWaiting = false;
}  // namespace

bool PrintJobRunning() { return gRunning; }

void CloseAfterPrintJob() { gCloseWaiting = true; }

PrintJobGuard::PrintJobGuard(HWND owner) : owner_(owner) {
  gRunning = true;
  gCloseWaiting = false;
}

PrintJobGuard::~PrintJobGuard() {
  gRunning = false;
  if (gCloseWaiting) PostMessageA(owner_, WM_CLOSE, 0, 0);
  gCloseWaiting = false;
}
