// Times the page index of a running TARVO.EXE from a second process: starts
// the viewer on FILE with TEMP_DIR as its temporary folder, then sends it a
// message every 20 ms (about as often as a moving mouse does), timing each
// reply, until the index file's header holds its page count.
//   page_index_timer TARVO_EXE FILE TEMP_DIR
// Prints "index_seconds pages replies median_reply_ms longest_reply_ms".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/viewer_window.h"
#include <vector>

namespace {
double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

// The page count in the header of the index file in dir; 0 while the scan
// runs or before the file exists.
int32_t CompletedPages(const std::string& dir) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\TRU*.tmp").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  FindClose(find);
  HANDLE f = CreateFileA((dir + "\\" + data.cFileName).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 0;
  int32_t header[2] = {};
  DWORD got = 0;
  ReadFile(f, header, sizeof header, &got, nullptr);
  CloseHandle(f);
  return got == sizeof header ? header[1] : 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: page_index_timer TARVO_EXE FILE TEMP_DIR\n");
    return 2;
  }
  const std::string dir = argv[3];
  SetEnvironmentVariableA("TMP", dir.c_str());
  SetEnvironmentVariableA("TEMP", dir.c_str());
  std::string command = std::string("\"") + argv[1] + "\" \"" + argv[2] + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return 1;
  const HWND window = WaitForViewerWindow(pi.dwProcessId, 30000);
  if (!window) return 1;

  const LARGE_INTEGER began = Now();
  std::vector<double> replies;
  int32_t pages = 0;
  while ((pages = CompletedPages(dir)) == 0 && Milliseconds(began, Now()) < 3600000) {
    LARGE_INTEGER sent = Now();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result)) break;
    replies.push_back(Milliseconds(sent, Now()));
    Sleep(20);
  }
  const double seconds = Milliseconds(began, Now()) / 1000.0;
  std::sort(replies.begin(), replies.end());
  std::printf("%.2f %d %zu %.2f %.2f\n", seconds, pages, replies.size(),
              replies.empty() ? 0.0 : replies[replies.size() / 2],
              replies.empty() ? 0.0 : replies.back());
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 30000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return pages > 0 ? 0 : 1;
}
