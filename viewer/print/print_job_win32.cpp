#include "viewer/print/print_job_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/file_name_forms.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/read_block.h"
#include "viewer/print/intl_settings_win32.h"
#include "viewer/print/page_composer.h"
#include "viewer/print/print_device_win32.h"
#include "viewer/print/print_sink_win32.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/print_job_guard.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/page_setup.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/open_file.h"
#include "viewer/view/view_blocks.h"
#include "win32/file_names_win32.h"

namespace {
constexpr int32_t kJobLineEntries = 32760;
constexpr int32_t kJobTextBytes = 65530;

void Tell(const char* text, UINT icon) {
  ReportMessage(nullptr, text, kProgramCaption, MB_OK | icon);
}

// The job's three blocks, movable memory locked for the job's length.
class JobBlocks {
 public:
  JobBlocks() {
    const SIZE_T sizes[3] = {kReadBlockBytes, kJobLineEntries * sizeof(LineEntry), kJobTextBytes};
    for (int i = 0; i < 3; ++i) {
      handles_[i] = GlobalAlloc(GHND, sizes[i]);
      pointers_[i] = handles_[i] ? GlobalLock(handles_[i]) : nullptr;
    }
  }
  ~JobBlocks() {
    for (HGLOBAL h : handles_)
      if (h) GlobalUnlock(h), GlobalFree(h);
  }
  JobBlocks(const JobBlocks&) = delete;
  JobBlocks& operator=(const JobBlocks&) = delete;
  bool ok() const { return pointers_[0] && pointers_[1] && pointers_[2]; }
  WalkBlocks walk() const {
    return WalkBlocks{
        static_cast<uint8_t*>(pointers_[0]),   kReadBlockBytes,
        static_cast<LineEntry*>(pointers_[1]), kJobLineEntries,
        static_cast<char*>(pointers_[2]),      kJobTextBytes - 1};  // its last byte stays 0
  }

 private:
  HGLOBAL handles_[3] = {};
  void* pointers_[3] = {};
};

std::string HeadingLeft(uint32_t options) {
  if (options & PO_FULL_PATH) return AnsiText(gFile.Path);
  if (options & PO_FILE_NAME) return AnsiText(ShownNamePart(gFile.Path));
  return "";
}

std::string HeadingDateTime(uint32_t options) {
  if (!(options & PO_DATE_TIME)) return "";
  const IntlSettings intl = ReadIntlSettings();
  const ClockFields now = LocalClock();
  char date[32], time[32];
  return std::string(FormatShortDate(date, sizeof date, intl, now)) + "  " +
         FormatTime(time, sizeof time, intl, now);
}

std::vector<std::string> TitleLines() {
  std::vector<std::string> titles;
  TitleLock lock;
  if (!lock.ok()) return titles;
  for (int i = gTitles.Acur; i < gTitles.Alast; ++i) {
    const LineEntry& e = gTitles.Entries[i];
    titles.emplace_back(gTitleText.Base + e.TextOffset, e.Length > 0 ? e.Length : 0);
  }
  return titles;
}

// The printer font: the viewer's font at the printer's resolution.
HFONT MakePrinterFont(HDC dc, LOGFONTA lf, bool* stock) {
  lf.lfHeight = PointSizeToHeight(gViewOptions.FontSize, GetDeviceCaps(dc, LOGPIXELSY));
  HFONT font = CreateFontIndirectA(&lf);
  *stock = font == nullptr;
  return font ? font : static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
}

// The stretch and pages the user chose, from the dialog's answer or, without
// a dialog, from the request.
PrintPlan PlanFor(const PrintRequest& r, const PrintDevice& device, FileOffset size) {
  PrintPlan plan;
  const bool selection = r.RangeStart >= 0 && r.RangeEnd >= 0;
  const FileOffset start = std::max<FileOffset>(r.RangeStart, 0);
  const FileOffset end = std::max(r.RangeEnd < 1 ? size : r.RangeEnd, start);
  plan.SelStart = r.SelStart;
  plan.SelEnd = r.SelEnd;
  if (device.PagesChosen) {
    plan.FirstPage = device.FromPage;
    plan.LastPage = std::max(device.FromPage, device.ToPage);
    plan.Start = device.FromPage > 0 ? 0 : r.Top;
  } else if (device.SelectionChosen || (!device.Dialog && selection)) {
    plan.Start = start;
    plan.End = end;
    plan.StopAtEnd = true;
    plan.SelStart = plan.SelEnd = -1;  // the selection is what is printed: no shading
  } else if (!device.Dialog) {
    plan.Start = start;
    plan.FirstPage = std::max(r.FirstPage, 1);
    plan.LastPage = r.LastPage < 0 ? -1 : std::max(plan.FirstPage, r.LastPage);
  }
  plan.Options = JobOptions(r.Options);
  plan.HeadingLeft = HeadingLeft(plan.Options);
  plan.HeadingRight = HeadingDateTime(plan.Options);
  plan.LineNotes = gSetupSettings.PrintMessages != 0;
  return plan;
}

void ReportEnd(const PrintResult& result, int spoolerError) {
  switch (result.End) {
    case PrintEnd::kReadFailed:
      Tell("File read error", MB_ICONHAND);
      return Tell("Printing error occurred.", MB_ICONEXCLAMATION);
    case PrintEnd::kFormatFailed:
      Tell("Program error", MB_ICONHAND);
      return Tell("Printing error occurred.", MB_ICONEXCLAMATION);
    case PrintEnd::kTitlesFillPage: return Tell("Page titles fill the entire page!", MB_ICONHAND);
    case PrintEnd::kCancelled: return;
    case PrintEnd::kDeviceRefused:
      if (spoolerError == SP_USERABORT || spoolerError == SP_APPABORT) return;
      if (spoolerError == SP_OUTOFMEMORY)
        return Tell("Not enough memory for spooling.", MB_ICONEXCLAMATION);
      if (spoolerError == SP_OUTOFDISK)
        return Tell("Not enough disk space for spooling.", MB_ICONEXCLAMATION);
      return Tell("Printing error occurred.", MB_ICONEXCLAMATION);
    case PrintEnd::kComplete:
      if (result.PagesPrinted == 0) Tell("Nothing was printed.", MB_ICONEXCLAMATION);
      return;
  }
}
}  // namespace

int PrintJob(HWND owner, const PrintRequest& request) {
  const PrintJobGuard alone(owner);
  FileRef file = gFile;
  file.Flen = QueryFileSize(file.Path);
  if (std::max<FileOffset>(request.RangeStart, 0) >= file.Flen) return 0;
  const bool selection = request.RangeStart >= 0 && request.RangeEnd >= 0;
  const std::string name = AnsiText(ShownNamePart(file.Path));
  PrintDevice device = OpenPrintJob(owner, name.c_str(), request.Options & PO_NO_DIALOG, selection,
                                    request.FirstPage, request.LastPage);
  if (!device.Dc) return 0;
  const PrintPlan plan = PlanFor(request, device, file.Flen);

  bool stockFont = false;
  HFONT font = MakePrinterFont(device.Dc, request.Font, &stockFont);
  HGDIOBJ oldFont = SelectObject(device.Dc, font);
  TEXTMETRICA tm = {};
  GetTextMetricsA(device.Dc, &tm);
  const DeviceMetrics metrics{GetDeviceCaps(device.Dc, VERTRES),
                              GetDeviceCaps(device.Dc, HORZRES),
                              GetDeviceCaps(device.Dc, LOGPIXELSX),
                              GetDeviceCaps(device.Dc, LOGPIXELSY),
                              tm.tmHeight,
                              tm.tmAveCharWidth};
  const bool fixed = gViewOptions.CurrentFlags & FMT_FIXED_LENGTH;
  const PageGeometry page =
      ComputePageGeometry(metrics, gPageSetup.Margins, fixed ? gViewOptions.LineLength : 0);

  PrintResult result;
  int spoolerError = 0;
  bool composed = false;
  {
    JobBlocks blocks;
    ViewLock view;  // the tag list
    if (!MarginsLeaveRoom(page, HeadingLines(plan))) {
      Tell("Invalid page margins, nothing printed!", MB_ICONHAND);
    } else if (!blocks.ok() || !view.ok()) {
      Tell("Cannot allocate buffers!", MB_ICONHAND);
    } else {
      PrintSource source{&file,
                         LineFormat{FormatterFor(gViewOptions.Format),
                                    JobFormatFlags(plan.Options, gViewOptions.CurrentFlags),
                                    page.CharsPerLine, gViewOptions.TabLength},
                         blocks.walk(), &gTags, TitleLines()};
      GdiPageSink sink(device, page, font);
      result = ComposePages(source, plan, page, sink);
      spoolerError = sink.SpoolerError();
      composed = true;
    }
  }
  SelectObject(device.Dc, oldFont);
  if (!stockFont) DeleteObject(font);
  EndPrintJob(owner, device, result.End != PrintEnd::kComplete);
  if (composed) ReportEnd(result, spoolerError);
  const bool failed = result.End == PrintEnd::kReadFailed || result.End == PrintEnd::kFormatFailed;
  return failed ? -1 : spoolerError < 0 ? spoolerError : result.PagesPrinted;
}
