// Times Find Next in the running TARVO.EXE from a second process: the
// command is sent synchronously, so the time is what the user waits.
//   find_next_timer [--mark-all] TARVO_EXE FILE RUNS [SIGNAL_DIR]
// The profile beside TARVO_EXE holds the search ("MRU Search", Text1). Prints
// "find_next_ms first best", the copied selection and the viewer's memory
// then ("viewer_memory_kb": working set, its peak, committed). With
// SIGNAL_DIR it then stops twice for a screenshot, the found selection and
// the Find Text dialog over it: it creates "found" and "dialog" there and
// goes on when the screenshot script has created "found.shot" and
// "dialog.shot".
// With --mark-all it times Mark All instead ("mark_all_ms first best"):
// one Find Next takes the search from the profile, and Unmark All empties
// the tag list before each run.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/viewer_window.h"

#include "viewer/resources/resource_ids.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(f.QuadPart);
}

bool Send(HWND hwnd, int id) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(hwnd, WM_COMMAND, id, 0, SMTO_NORMAL, 600000, &r) != 0;
}

bool WaitForFile(const std::string& path) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(50))
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  return false;
}

// Tells the screenshot script that the window shows name, and waits for it.
bool Pose(const std::string& dir, const char* name) {
  std::string path = dir + "\\" + name;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  CloseHandle(f);
  return WaitForFile(path + ".shot");
}

struct Dialog {
  DWORD pid;
  HWND hwnd;
};
BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam) {
  auto* d = reinterpret_cast<Dialog*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[16] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == d->pid && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
    d->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

void PoseForScreenshots(HWND main, DWORD pid, const std::string& dir) {
  Send(main, IDM_FIND_NEXT);
  if (!Pose(dir, "found")) return;
  PostMessageA(main, WM_COMMAND, IDM_FIND_TEXT, 0);
  Dialog dialog = {pid, nullptr};
  for (DWORD start = GetTickCount(); !dialog.hwnd && GetTickCount() - start < 10000; Sleep(50))
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog.hwnd) return;
  Pose(dir, "dialog");
  PostMessageA(dialog.hwnd, WM_COMMAND, IDCANCEL, 0);
}

void PrintMemory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS m = {};
  m.cb = sizeof m;
  if (!GetProcessMemoryInfo(process, &m, sizeof m)) return;
  std::printf("viewer_memory_kb %lu %lu %lu\n", static_cast<unsigned long>(m.WorkingSetSize / 1024),
              static_cast<unsigned long>(m.PeakWorkingSetSize / 1024),
              static_cast<unsigned long>(m.PagefileUsage / 1024));
}

std::string Selection(HWND hwnd) {
  std::string text;
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  Send(hwnd, IDM_COPY);
  if (OpenClipboard(nullptr)) {
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
      if (auto* p = static_cast<const char*>(GlobalLock(h))) text = p;
      GlobalUnlock(h);
    }
    CloseClipboard();
  }
  return text;
}
}  // namespace

int main(int argc, char** argv) {
  const bool markAll = argc > 1 && std::strcmp(argv[1], "--mark-all") == 0;
  if (markAll) {
    --argc;
    ++argv;
  }
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: find_next_timer [--mark-all] TARVO_EXE FILE RUNS [SIGNAL_DIR]\n");
    return 2;
  }
  // The viewer takes the rest of its command line as the file name, quotes and all.
  std::string commandLine = std::string("\"") + argv[1] + "\" " + argv[2];
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  const HWND window = WaitForViewerWindow(pi.dwProcessId, 60000);
  if (!window) {
    std::fprintf(stderr, "no main window with a file\n");
    TerminateProcess(pi.hProcess, 1);
    return 1;
  }
  // Each found run is followed by one from just after the match, which
  // finds nothing and sends the next search back to the top.
  double first = 0, best = 1e30;
  std::string selected;
  if (markAll) Send(window, IDM_FIND_NEXT);
  for (int r = 0; r < std::atoi(argv[3]); ++r) {
    if (markAll) Send(window, IDM_UNMARK_ALL);
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    bool answered = Send(window, markAll ? IDM_MARK_ALL : IDM_FIND_NEXT);
    QueryPerformanceCounter(&t1);
    if (!answered) break;
    double ms = Milliseconds(t0, t1);
    if (r == 0) first = ms;
    if (ms < best) best = ms;
    selected = Selection(window);
    if (!markAll) Send(window, IDM_FIND_NEXT);
  }
  std::printf("%s %.1f %.1f\nselected \"%s\"\n", markAll ? "mark_all_ms" : "find_next_ms", first,
              best, selected.c_str());
  PrintMemory(pi.hProcess);
  std::fflush(stdout);
  if (argc == 5) PoseForScreenshots(window, pi.dwProcessId, argv[4]);
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 30000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
