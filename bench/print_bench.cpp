// Figures for printing, under Wine: the pages of a text file composed into
// enhanced metafiles (one a page) and on the default printer, next to the
// screen formatter alone over the same bytes; the process's peak memory
// after each.
//   print_bench FILE
// Prints "<what> seconds pages peak_kb" lines.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/formatters.h"
#include "viewer/print/print_sink_win32.h"

namespace {
double Seconds(LARGE_INTEGER from) {
  LARGE_INTEGER now, f;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

unsigned long PeakKb() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return static_cast<unsigned long>(pmc.PeakWorkingSetSize / 1024);
}

// Each page its own metafile, dropped when the page ends, as a spooler
// would take it away.
struct MetafilePages : GdiPageSink {
  MetafilePages(PrintDevice& device, const PageGeometry& page, HFONT font)
      : GdiPageSink(device, page, font), device_(device) {}
  bool StartPage() override {
    device_.Dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    PrepareDrawing();
    return device_.Dc != nullptr;
  }
  bool EndPage() override {
    DeleteEnhMetaFile(CloseEnhMetaFile(device_.Dc));
    return true;
  }
  PrintDevice& device_;
};

struct Blocks {
  std::vector<uint8_t> read = std::vector<uint8_t>(65535);
  std::vector<LineEntry> lines = std::vector<LineEntry>(32760);
  std::vector<char> text = std::vector<char>(65530);
  WalkBlocks walk() {
    return {read.data(), 65535, lines.data(), 32760, text.data(), 65529};
  }
};

PageGeometry A4At300Dpi(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA tm = {};
  GetTextMetricsA(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return ComputePageGeometry({3508, 2480, 300, 300, tm.tmHeight * 3, tm.tmAveCharWidth * 3},
                             PageMargins{50, 50, 50, 50}, 0);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  FileRef file;
  CopyText(file.Path, argv[1]);
  file.Flen = QueryFileSize(file.Path);
  HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
  const PageGeometry page = A4At300Dpi(font);
  const LineFormat format{FormatText, 0x20, page.CharsPerLine, 8};
  Blocks blocks;

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  long lines = 0;
  WalkFormattedLines(file, 0, -1, format, blocks.walk(), [&](const LineEntry&, std::string_view) {
    ++lines;
    return true;
  });
  std::printf("formatter %.3f %ld %lu\n", Seconds(start), lines, PeakKb());

  PrintPlan plan;
  plan.Options = PO_PAGE_NUMBER | PO_FILE_NAME | PO_EJECT_ON_FF;
  plan.HeadingLeft = "bench.txt";
  PrintSource source{&file, LineFormat{FormatText, 0x20 | 0x100, page.CharsPerLine, 8},
                     blocks.walk(), nullptr, {}};
  {
    PrintDevice device;
    MetafilePages sink(device, page, font);
    QueryPerformanceCounter(&start);
    PrintResult r = ComposePages(source, plan, page, sink);
    std::printf("metafile %.3f %d %lu\n", Seconds(start), r.PagesPrinted, PeakKb());
  }

  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  DOCINFOA doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "bench";
  if (!PrintDlgA(&pd) || StartDocA(pd.hDC, &doc) <= 0) {
    std::printf("printer none 0 0\n");
    return 0;
  }
  PrintDevice device;
  device.Dc = pd.hDC;
  const PageGeometry printed = ComputePageGeometry(
      {GetDeviceCaps(pd.hDC, VERTRES), GetDeviceCaps(pd.hDC, HORZRES), GetDeviceCaps(pd.hDC, LOGPIXELSX),
       GetDeviceCaps(pd.hDC, LOGPIXELSY), page.LineHeight, page.CharWidth},
      PageMargins{50, 50, 50, 50}, 0);
  GdiPageSink sink(device, printed, font);
  QueryPerformanceCounter(&start);
  PrintResult r = ComposePages(source, plan, printed, sink);
  EndDoc(pd.hDC);
  std::printf("printer %.3f %d %lu\n", Seconds(start), r.PagesPrinted, PeakKb());
  DeleteDC(pd.hDC);
  return 0;
}
