// Figures for painting and scrolling the main window, and a window with
// sample lines in every colour for screenshots.
//   display_bench            prints the figures
//   display_bench show N [background]
//                            shows the sample window for N seconds (with the
//                            background shown only behind the text)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

#include "common/text_copy.h"
#include "viewer/app/app_state.h"
#include "viewer/app/paint.h"
#include "viewer/app/selection.h"
#include "viewer/app/startup.h"
#include "viewer/buffer/file_access.h"
#include "viewer/services/instance.h"
#include "viewer/settings/color_table.h"
#include "common/memory_profile.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/system_colors_win32.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
struct Line {
  std::string Text;
  int32_t Flags;
};

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Writes the lines into a table (entries from 0) and its arena.
void Fill(LineTable& table, TextArena& arena, const std::vector<Line>& lines, int32_t end) {
  arena.Tend = 0;
  int32_t offset = 0;
  int i = 0;
  for (const Line& l : lines) {
    if (i + 1 >= table.Acnt || arena.Tend + static_cast<int32_t>(l.Text.size()) > arena.Tlen) break;
    std::memcpy(arena.Base + arena.Tend, l.Text.data(), l.Text.size());
    int32_t n = static_cast<int32_t>(l.Text.size());
    table.Entries[i++] = LineEntry{offset, arena.Tend, n, 0, l.Flags};
    arena.Tend += n;
    offset += n + 2;
  }
  table.Entries[i] = LineEntry{end, arena.Tend, -1, 0, 0};
  table.Afirst = table.Acur = 0;
  table.Alast = static_cast<int16_t>(i);
}

HWND OpenWindow(MemoryProfile* profile, int width, int height) {
  SetProfileStore(profile);
  BindSystemColors();
  ResetColors(kAllScreenColors);
  ResetColors(kAllPrintShades);
  gViewOptions.Window = {20, 20, width, height};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterMainClass(instance)) return nullptr;
  HWND hwnd = CreateMainWindow(instance);
  if (!hwnd) return nullptr;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  Pump();
  return hwnd;
}

std::vector<Line> SampleLines() {
  std::vector<Line> lines;
  char text[256];
  for (int i = 1; i <= 22; ++i) {
    std::snprintf(text, sizeof text,
                  "%04d  Order %-6d shipped to warehouse %c, %3d boxes, status %s", i, 4000 + i * 7,
                  'A' + i % 5, i * 3 % 200, i % 4 ? "delivered" : "pending");
    int32_t flags = 0;
    if (i == 4 || i == 5) flags = 0x1;
    if (i == 7) {
      std::snprintf(
          text, sizeof text,
          "%04d  Order %-6d has a very long remark that the window cuts off at the line length", i,
          4000 + i * 7);
      flags = LF_TRUNCATED;
    }
    if (i == 13) flags = LF_PAGE_BREAK;
    lines.push_back({text, flags});
  }
  const Line report[] = {{"*****************************************", LF_MESSAGE},
                         {"* PROGRAM ERROR OCCURRED", LF_MESSAGE},
                         {"* Please note the following information:", LF_MESSAGE},
                         {"* Status=100", LF_MESSAGE},
                         {"*****************************************", LF_MESSAGE}};
  lines.insert(lines.begin() + 16, std::begin(report), std::end(report));
  lines.back() = {"0022  End of the list (no line end)", LF_INCOMPLETE};
  return lines;
}

int Show(int seconds, bool showBackground) {
  MemoryProfile profile;
  gViewOptions.FreezeColumns = 4;
  if (showBackground) {
    gViewOptions.CurrentFlags |= FMT_SHOW_BACKGROUND;
    gSetupSettings.PadLineLength = 40;
  }
  HWND hwnd = OpenWindow(&profile, 900, 560);
  if (!hwnd) return 1;
  CopyText(gFile.Path, "C:\\orders.txt");
  SetWindowTextA(hwnd, "Tarvo - orders.txt");
  {
    TitleLock titles;
    Fill(gTitles, gTitleText, {{"No.   Order  Destination         Boxes  Status", 0}}, 0);
  }
  std::vector<Line> lines = SampleLines();
  {
    ViewLock lock;
    Fill(gLines, gText, lines, 4000);
    gFile.Flen = 4000;
    gSel.SelStart = gLines.Entries[9].Offset;
    gSel.SelEnd = gLines.Entries[11].Offset;
  }
  SendMessageA(hwnd, VW_LAYOUT, 0, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && !msg.hwnd) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyWindow(hwnd);
  return 0;
}

// File reads through the file-access seam.
struct ReadCount {
  int Calls = 0;
  int64_t Bytes = 0;
};
ReadCount gReads;
FileSystem gCounting;

int32_t CountedRead(FileHandle file, void* buffer, int32_t bytes) {
  int32_t n = PlatformFileSystem().Read(file, buffer, bytes);
  ++gReads.Calls;
  if (n > 0) gReads.Bytes += n;
  return n;
}

// Makes the next LastPaintRows() count only what the next update paints.
void ResetRowCount(HWND hwnd) {
  UpdateWindow(hwnd);
  HDC dc = CreateCompatibleDC(nullptr);
  PaintContent(dc, RECT{0, 0, 0, 0});
  DeleteDC(dc);
}

double Now() {
  LARGE_INTEGER c, f;
  QueryPerformanceCounter(&c);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void Report(const char* what, int rows, double seconds, int runs) {
  std::printf("%-44s rows %3d   %8.1f us per run (%d runs)\n", what, rows, seconds * 1e6 / runs,
              runs);
}

// Refill, one-line and page moves through repositioning on a real file:
// rows painted, file reads and time per move.
void MoveThroughAFile(HWND hwnd) {
  char path[MAX_PATH];
  GetTempPathA(sizeof path, path);
  lstrcatA(path, "display_bench.txt");
  HANDLE f =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  char line[128];
  DWORD written = 0;
  for (int i = 0; i < 40000; ++i) {
    int n = std::snprintf(line, sizeof line,
                          "%06d  the quick brown fox jumps over the lazy dog %d\r\n", i, i * 7);
    WriteFile(f, line, static_cast<DWORD>(n), &written, nullptr);
  }
  CloseHandle(f);
  CopyText(gFile.Path, path);
  gFile.Flen = QueryFileSize(path);
  gLines.Afirst = gLines.Acur = gLines.Alast = 0;  // repositioning fills it from the file
  gCounting = PlatformFileSystem();
  gCounting.Read = CountedRead;
  SetFileSystem(&gCounting);

  struct Move {
    const char* Name;
    UINT Message;
    int Delta;
    int Runs;
  } moves[] = {{"refill (VW_REFORMAT)", VW_REFORMAT, 0, 20},
               {"one-line scroll (VW_SHOWOFFSET +1)", VW_SHOWOFFSET, 1, 200},
               {"page scroll (VW_SHOWOFFSET +page)", VW_SHOWOFFSET, gView.LinesPerScreen, 200}};
  for (const Move& m : moves) {
    gReads = ReadCount{};
    int rows = 0;
    double t = 0;
    for (int i = 0; i < m.Runs; ++i) {
      ResetRowCount(hwnd);
      double start = Now();
      SendMessageA(hwnd, m.Message, static_cast<WPARAM>(m.Delta),
                   m.Message == VW_REFORMAT ? 0 : -1);
      UpdateWindow(hwnd);
      t += Now() - start;
      rows += LastPaintRows();
    }
    if (gLines.Alast == 0) {
      std::printf("%-44s not measured: repositioning is not in this build\n", m.Name);
      continue;
    }
    std::printf("%-44s rows %3d   %8.1f us per move, %.2f reads (%lld bytes) per move\n", m.Name,
                rows / m.Runs, t * 1e6 / m.Runs, static_cast<double>(gReads.Calls) / m.Runs,
                static_cast<long long>(gReads.Bytes / m.Runs));
  }
  SetFileSystem(nullptr);
  DeleteFileA(path);
}

int Bench() {
  MemoryProfile profile;
  HWND hwnd = OpenWindow(&profile, 1024, 768);
  if (!hwnd) return 1;
  CopyText(gFile.Path, "C:\\bench.txt");
  std::vector<Line> lines;
  for (int i = 0; i < 1600; ++i) {
    char text[160];
    std::snprintf(text, sizeof text, "%06d  the quick brown fox jumps over the lazy dog; %s", i,
                  "0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    lines.push_back({text, i % 17 == 0 ? 0x1 : 0});
  }
  {
    ViewLock lock;
    Fill(gLines, gText, lines, 1600 * 110);
    gFile.Flen = 1600 * 110;
  }
  SendMessageA(hwnd, VW_LAYOUT, 0, 0);
  Pump();
  std::printf("client %dx%d, line height %d, %d lines per screen, %d lines in the table\n",
              gView.ClientWidth, gView.ClientHeight, gView.LineHeight, gView.LinesPerScreen,
              gLines.Alast);

  const int runs = 300;
  RECT all0{0, 0, gView.ClientWidth, gView.ClientHeight};
  double t = Now();
  for (int i = 0; i < runs; ++i) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
  }
  Report("full-screen paint (WM_PAINT)", LastPaintRows(), Now() - t, runs);

  HDC screen = GetDC(hwnd);
  t = Now();
  for (int i = 0; i < runs; ++i) PaintContent(screen, all0);
  Report("full-screen paint on the window DC", LastPaintRows(), Now() - t, runs);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, gView.ClientWidth, gView.ClientHeight);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, gView.ClientWidth, gView.ClientHeight};
  t = Now();
  for (int i = 0; i < runs; ++i) PaintContent(memory, all);
  Report("full-screen paint into a memory DC", LastPaintRows(), Now() - t, runs);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, screen);

  // The window update that repositioning does after a one-line move: the
  // rows scroll and only the uncovered one is painted.
  RECT text{0, 0, gView.ClientWidth, gView.ClientHeight};
  int rows = 0;
  t = Now();
  for (int i = 0; i < runs; ++i) {
    gLines.Acur = static_cast<int16_t>(i % (gLines.Alast - gView.LinesPerScreen));
    ScrollWindowEx(hwnd, 0, -gView.LineHeight, &text, &text, nullptr, nullptr, SW_INVALIDATE);
    UpdateWindow(hwnd);
    rows += LastPaintRows();
  }
  Report("window scroll by one line + uncovered row", rows / runs, Now() - t, runs);

  rows = 0;
  t = Now();
  for (int i = 0; i < runs; ++i) {
    gLines.Acur =
        static_cast<int16_t>((i * gView.LinesPerScreen) % (gLines.Alast - gView.LinesPerScreen));
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    rows += LastPaintRows();
  }
  Report("repaint of the text area at a new top", rows / runs, Now() - t, runs);
  MoveThroughAFile(hwnd);
  DestroyWindow(hwnd);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "show") == 0)
    return Show(argc >= 3 ? std::atoi(argv[2]) : 10,
                argc >= 4 && std::strcmp(argv[3], "background") == 0);
  return Bench();
}
