// A print job must run alone: while it runs, the spooler's abort procedure
// and the job's own look at the queue dispatch the process's messages, DDE
// commands and posted ones included, and the job uses the view's blocks and
// the main window until it ends. So nothing starts a second job or closes
// the window meanwhile; a close that arrives is carried out once the job
// has ended.
#pragma once
#include <windows.h>

// Whether a print job is running now.
bool PrintJobRunning();
// Remembers a close of the main window that arrived while a job runs.
void CloseAfterPrintJob();

// Marks a job running while it lives; at its end, a close that arrived
// meanwhile is posted to the window again.
class PrintJobGuard {
 public:
  explicit PrintJobGuard(HWND owner);
  ~PrintJobGuard();
  PrintJobGuard(const PrintJobGuard&) = delete;
  PrintJobGuard& operator=(const PrintJobGuard&) = delete;

 private:
  HWND owner_;
};
