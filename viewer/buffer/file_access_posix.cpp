// POSIX file access for the native build.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "viewer/buffer/file_access.h"

namespace {
FileHandle Open(const char* path) {
  int fd = ::open(path, O_RDONLY);
  if (fd < 0) return kNoFile;
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return kNoFile;
  }
  return fd;
}
int64_t Size(FileHandle f) {
  struct stat st;
  return ::fstat(static_cast<int>(f), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}
bool Seek(FileHandle f, int64_t offset) {
  return ::lseek(static_cast<int>(f), static_cast<off_t>(offset), SEEK_SET) == offset;
}
int32_t Read(FileHandle f, void* buffer, int32_t bytes) {
  ssize_t n = ::read(static_cast<int>(f), buffer, static_cast<size_t>(bytes));
  return n < 0 ? -1 : static_cast<int32_t>(n);
}
void Close(FileHandle f) { ::close(static_cast<int>(f)); }
FileHandle CreateTemporary(char* path) {
  const char* folder = std::getenv("TMPDIR");
  if (!folder || !*folder) folder = "/tmp";
  int n = std::snprintf(path, kFilePathChars + 1, "%s/tarvoXXXXXX", folder);
  int fd = n > 0 && n <= kFilePathChars ? ::mkstemp(path) : -1;
  return fd < 0 ? kNoFile : fd;
}
int32_t Write(FileHandle f, const void* buffer, int32_t bytes) {
  ssize_t n = ::write(static_cast<int>(f), buffer, static_cast<size_t>(bytes));
  return n < 0 ? -1 : static_cast<int32_t>(n);
}
bool Delete(const char* path) { return ::unlink(path) == 0; }
const FileSystem kPosix = {Open, Size, Seek, Read, Close, CreateTemporary, Write, Delete};
}  // namespace

const FileSystem& PlatformFileSystem() { return kPosix; }
