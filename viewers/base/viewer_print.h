// The print loop of every viewer library: the device context from the
// shell's print-dialog record (or, without one, from the print dialog the
// library shows itself), the document, its pages, and cancelling between
// pages. The library fills the pages.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "viewers/base/viewer_window.h"

class PrintJob {
 public:
  PrintJob(HDC dc, const bool& cancelled) : dc_(dc), cancelled_(cancelled) {}
  HDC Dc() const { return dc_; }
  // Ends the page and starts the next one; false when the job was
  // cancelled meanwhile or the printer failed.
  bool NextPage();
  int Pages() const { return pages_; }

 private:
  HDC dc_;
  const bool& cancelled_;
  int pages_ = 1;
};

// Prints the document named docName in window's library: content draws
// on job.Dc() from the top of the first page, calling job.NextPage() before
// each further page, and returns false on failure. A record from the shell
// brings the device context; without one the print dialog asks for a
// printer, and a failure is reported. Returns whether every page was
// printed.
using PrintContent = std::function<bool(PrintJob& job)>;
bool RunPrintJob(ViewerWindow& window, const PRINTDLGA* record, const char* docName,
                 const PrintContent& content);
