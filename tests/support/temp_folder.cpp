#include "tests/support/temp_folder.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {
void DeleteTree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}
}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH], dir[MAX_PATH + 64];
  GetTempPathA(sizeof base, base);
  static LONG serial = 0;
  wsprintfA(dir, "%starvo-%lu-%ld", base, GetCurrentProcessId(), InterlockedIncrement(&serial));
  CreateDirectoryA(dir, nullptr);
  path_ = dir;
}

TempFolder::~TempFolder() { DeleteTree(path_); }

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
  std::string full = *this / name;
  WriteFileText(full, content);
  return full;
}

std::wstring TempFolder::WriteWide(const std::wstring& name, const std::string& content) const {
  const std::wstring full = std::wstring(path_.begin(), path_.end()) + L"\\" + name;
  HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  return full;
}

HDROP TempFolder::WideDrop(const std::wstring& path) {
  const std::wstring ended = path + L'\0' + L'\0';
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + ended.size() * 2);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, ended.data(), ended.size() * 2);
  GlobalUnlock(drop);
  return static_cast<HDROP>(drop);
}

namespace {
bool MoveTo(HANDLE file, int64_t offset) {
  LONG high = static_cast<LONG>(offset >> 32);
  DWORD low = SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
  return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
}
}  // namespace

// The end of the file is set first: the file system leaves the rest a hole.
std::string TempFolder::WriteSparse(const std::string& name, int64_t size,
                                    const std::map<int64_t, std::string>& pieces) const {
  std::string full = *this / name;
  HANDLE file = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  bool ok = MoveTo(file, size) && SetEndOfFile(file);
  for (const auto& [offset, bytes] : pieces) {
    DWORD written = 0;
    ok = ok && MoveTo(file, offset) &&
         WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
  }
  CloseHandle(file);
  return ok ? full : "";
}

bool WriteFileText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

std::string ReadFileText(const std::string& path) {
  // Also a file that a program holds open for writing.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::vector<char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty())
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return std::string(bytes.data(), read);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
