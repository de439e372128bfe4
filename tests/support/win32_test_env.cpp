#include "tests/support/win32_test_env.h"

#include <fstream>
#include <sstream>

TempFolder::TempFolder() {
  char base[MAX_PATH], dir[MAX_PATH];
  GetTempPathA(sizeof base, base);
  static int serial = 0;
  wsprintfA(dir, "%starvo-%lu-%d", base, GetCurrentProcessId(), ++serial);
  CreateDirectoryA(dir, nullptr);
  path_ = dir;
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((path_ + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string f = path_ + "\\" + fd.cFileName;
      SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(f.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(path_.c_str());
}

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
  std::string full = path_ + "\\" + name;
  std::ofstream(full, std::ios::binary) << content;
  return full;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string WindowText(HWND hwnd) {
  char text[512] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}
