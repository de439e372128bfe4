#include "viewer/navigation/page_index_requests.h"

#include <cstdio>

#include "viewer/navigation/page_index.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/open_file.h"

namespace {
constexpr char kIndexingFailed[] =
    "\n\nPage indexing failed, [GoTo page] command will not be available";
// A tick looks at the message queue whenever the clock has moved on (a
// look costs a call to the window server) and at the latest after this many
// bytes, for clocks that move in steps of many milliseconds.
constexpr FileOffset kBytesBetweenQueueChecks = 1024 * 1024;

void ReportStartError(HWND hwnd, PageIndexError error) {
  char text[64 + 2 * kFilePathChars];
  switch (error) {
    case PageIndexError::kCannotCreateIndex:
      std::snprintf(text, sizeof text, "Cannot open temp file:\n%s", gPageIndex.TriedPath);
      break;
    case PageIndexError::kNoBuffer:
      std::snprintf(text, sizeof text, "Cannot allocate file I/O buffer for page index.");
      break;
    case PageIndexError::kCannotOpenSource:
      std::snprintf(text, sizeof text, "Cannot open file:\n%s", gFile.Path);
      break;
    default: std::snprintf(text, sizeof text, "Index file write error:\n%s", gFile.Path); break;
  }
  ReportMessage(hwnd, text, "Program Error", MB_OK | MB_ICONEXCLAMATION);
}

void ReportChunkError(PageIndexError error) {
  const char* what =
      error == PageIndexError::kSeekFailed          ? "Seek error."
      : error == PageIndexError::kReadFailed        ? "Read error."
      : error == PageIndexError::kRecordWriteFailed ? "Error writing the page index file."
      : error == PageIndexError::kHeaderSeekFailed  ? "Error locating the page index header."
                                                    : "Error updating the page index header.";
  char text[128];
  std::snprintf(text, sizeof text, "%s%s", what, kIndexingFailed);
  gMessageBox(nullptr, text, "Tarvo Page Indexing", MB_OK);
}

void ReportProgramError(const char* text) {
  ReportMessage(nullptr, text, "Program error", MB_OK | MB_ICONHAND);
  PageIndexReset(gPageIndex);
}

// Timers are left out: the one that drives the scan is due again at once
// once a tick has re-armed it at its minimum, and a tick that counted it
// would give way to itself and sleep through the next countdown.
bool MessageWaiting() { return HIWORD(GetQueueStatus(QS_ALLINPUT & ~QS_TIMER)) != 0; }

// A tick that gave way comes back once the window has answered what waits.
// Sent messages, and posted ones in their order, are taken before a PG_CONT
// posted behind them, so that follows at once. Input and repaints come only
// when no posted message waits: after them timer 3, which runs at its
// minimum, brings the next tick (timer messages come when nothing else
// waits).
void ComeBackSoon(HWND hwnd) {
  if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT | QS_HOTKEY)) == 0)
    PostMessageA(hwnd, PG_CONT, 0, 0);
}

// One tick scans chunk after chunk until the scan ends, a message waits for
// the window (input, a repaint, a sent or posted message) or the timer's
// period has passed; a message waits at most for one step of the clock or
// kBytesBetweenQueueChecks, whichever comes first. So the index is made at
// the speed of the scan while the window has nothing else to do, and the
// index file is the same whichever way its chunks fall into ticks.
PageIndexError ScanForOneTick(HWND hwnd) {
  const DWORD began = GetTickCount();
  const DWORD period = static_cast<DWORD>(gSetupSettings.PageIndexingDelay);
  DWORD lastCheck = began;
  FileOffset sinceCheck = 0;
  for (;;) {
    const FileOffset from = gPageIndex.ScanPosition;
    PageIndexError error = PageIndexChunk(gPageIndex);
    if (error != PageIndexError::kNone || gPageIndex.State != PG_ACTIVE) return error;
    sinceCheck += gPageIndex.ScanPosition - from;
    const DWORD now = GetTickCount();
    if (now == lastCheck && sinceCheck < kBytesBetweenQueueChecks) continue;
    lastCheck = now;
    sinceCheck = 0;
    if (now - began >= period) return PageIndexError::kNone;
    if (MessageWaiting()) {
      ComeBackSoon(hwnd);
      return PageIndexError::kNone;
    }
  }
}
}  // namespace

void PageIndexRequest(HWND hwnd, UINT code) {
  PageIndexError error = PageIndexError::kNone;
  switch (code) {
    case PG_START:
      error = PageIndexStart(gPageIndex, gFile.Path, gSetupSettings.PageIndexingBuffer);
      if (error != PageIndexError::kNone) ReportStartError(hwnd, error);
      return;
    case PG_CONT:
      if (gPageIndex.State != PG_ACTIVE) return ReportProgramError("PG_CONT while not PG_ACTIVE");
      error = ScanForOneTick(hwnd);
      if (error != PageIndexError::kNone) ReportChunkError(error);
      return;
    case PG_STOP: PageIndexReset(gPageIndex); return;
    case PG_CLOSE: PageIndexClose(gPageIndex); return;
    default: {
      char text[48];
      std::snprintf(text, sizeof text, "Unknown message code: %X", code);
      ReportProgramError(text);
    }
  }
}

void OnPageIndexMessage(HWND hwnd, UINT msg) {
  if (msg != PG_CONT || gPageIndex.State == PG_ACTIVE) PageIndexRequest(hwnd, msg);
  // Ticks come as soon as the window is idle; the delay bounds how long one
  // may scan.
  if (msg == PG_START)
    SetTimer(hwnd, IDT_PAGE_INDEX, USER_TIMER_MINIMUM, nullptr);
  else if (gPageIndex.State != PG_ACTIVE)
    KillTimer(hwnd, IDT_PAGE_INDEX);
}

void ResumePageIndex(HWND hwnd) {
  if (gPageIndex.State != PG_DONE) return;
  if (PageIndexResume(gPageIndex, gFile.Path))
    SetTimer(hwnd, IDT_PAGE_INDEX, USER_TIMER_MINIMUM, nullptr);
}

FileOffset LookUpPage(int32_t page, int32_t knownCount) {
  FileOffset offset = PageIndexLookup(gPageIndex, page, knownCount);
  if (offset != kPageCorrupted) return offset;
  ReportMessage(nullptr, "Index file corrupted.", "Program Error", MB_OK | MB_ICONEXCLAMATION);
  return kPageReadFailed;
}
