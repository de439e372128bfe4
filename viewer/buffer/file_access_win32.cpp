// Win32 file access for the programs. Files are opened for reading with all
// sharing allowed, so other programs may go on writing the file shown. A
// marked UTF-8 name is opened by its wide form; Windows 95's CreateFileW
// fails, as for a file that is not there.
#include <windows.h>

#include <string>

#include "common/file_name_forms.h"
#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"

namespace {
HANDLE OpenShared(const char* path, DWORD share) {
  if (!IsMarkedName(path))
    return CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
  std::u16string wide;
  if (!Utf16FromUtf8(std::string_view(path).substr(kUtf8NameMark.size()), &wide)) {
    SetLastError(ERROR_INVALID_NAME);
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(reinterpret_cast<const wchar_t*>(wide.c_str()), GENERIC_READ, share, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
FileHandle Open(const char* path) {
  HANDLE h = OpenShared(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  // Windows 95 refuses FILE_SHARE_DELETE as an invalid parameter.
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
    h = OpenShared(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
  return h == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(h);
}
HANDLE H(FileHandle f) { return reinterpret_cast<HANDLE>(f); }
// GetFileSize and SetFilePointer with their high words reach 64-bit sizes
// and offsets on every Windows the programs run on (the Ex forms came with
// Windows 2000). An all-ones low word is also a valid value: only the
// error code, cleared before the call, tells a failure apart.
int64_t Size(FileHandle f) {
  DWORD high = 0;
  SetLastError(NO_ERROR);
  DWORD low = GetFileSize(H(f), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return -1;
  return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}
bool Seek(FileHandle f, int64_t offset) {
  if (offset < 0) return false;
  LONG high = static_cast<LONG>(static_cast<uint64_t>(offset) >> 32);
  SetLastError(NO_ERROR);
  DWORD low = SetFilePointer(H(f), static_cast<LONG>(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
  return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
}
int32_t Read(FileHandle f, void* buffer, int32_t bytes) {
  DWORD got = 0;
  return ReadFile(H(f), buffer, static_cast<DWORD>(bytes), &got, nullptr)
             ? static_cast<int32_t>(got)
             : -1;
}
void Close(FileHandle f) { CloseHandle(H(f)); }
// GetTempFileNameA makes the file; it is opened again for reading and writing.
static_assert(kFilePathChars + 1 >= MAX_PATH, "a temporary file name fits a file path");
FileHandle CreateTemporary(char* path) {
  char folder[MAX_PATH];
  DWORD n = GetTempPathA(MAX_PATH, folder);
  path[0] = '\0';
  if (n == 0 || n > MAX_PATH - 14) return kNoFile;
  if (!GetTempFileNameA(folder, "TRU", 0, path)) {
    CopyText(path, kFilePathChars + 1, folder);
    return kNoFile;
  }
  HANDLE h = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) return reinterpret_cast<FileHandle>(h);
  DeleteFileA(path);
  return kNoFile;
}
int32_t Write(FileHandle f, const void* buffer, int32_t bytes) {
  DWORD put = 0;
  return WriteFile(H(f), buffer, static_cast<DWORD>(bytes), &put, nullptr)
             ? static_cast<int32_t>(put)
             : -1;
}
bool Delete(const char* path) { return DeleteFileA(path) != FALSE; }
const FileSystem kWin32 = {Open, Size, Seek, Read, Close, CreateTemporary, Write, Delete};
}  // namespace

const FileSystem& PlatformFileSystem() { return kWin32; }
