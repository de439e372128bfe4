#include "viewer/buffer/memory_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "viewer/buffer/file_access.h"

namespace {
MemoryFileSystem gFs;

struct OpenFile {
  std::string path;
  int64_t position = 0;
};
std::vector<OpenFile> gOpen;

OpenFile* Handle(FileHandle f) {
  return f >= 0 && static_cast<size_t>(f) < gOpen.size() ? &gOpen[static_cast<size_t>(f)] : nullptr;
}

FileHandle Open(const char* path) {
  if (!gFs.Files.count(path)) return kNoFile;
  ++gFs.Opens;
  gOpen.push_back(OpenFile{path, 0});
  return static_cast<FileHandle>(gOpen.size() - 1);
}
// Temporary files are named temp1, temp2, ... after the first free number.
FileHandle CreateTemporary(char* path) {
  path[0] = '\0';
  if (gFs.FailCreate) return kNoFile;
  int i = 0;
  do std::snprintf(path, kFilePathChars + 1, "temp%d", ++i);
  while (gFs.Files.count(path));
  gFs.Files[path];
  return Open(path);
}
int64_t Size(FileHandle f) {
  OpenFile* o = Handle(f);
  if (!o || gFs.FailSize || !gFs.Files.count(o->path)) return -1;
  return static_cast<int64_t>(gFs.Files[o->path].size());
}
bool Seek(FileHandle f, int64_t offset) {
  OpenFile* o = Handle(f);
  if (!o || gFs.FailSeek) return false;
  o->position = offset;
  return true;
}
int32_t Read(FileHandle f, void* buffer, int32_t bytes) {
  if (gFs.BeforeRead) gFs.BeforeRead();
  OpenFile* o = Handle(f);
  ++gFs.Reads;
  if (!o || gFs.FailRead || !gFs.Files.count(o->path)) return -1;
  const std::vector<uint8_t>& data = gFs.Files[o->path];
  int64_t left = std::max<int64_t>(static_cast<int64_t>(data.size()) - o->position, 0);
  int64_t n = std::min<int64_t>(bytes, left);
  if (gFs.ReadLimit >= 0) n = std::min<int64_t>(n, gFs.ReadLimit);
  if (n > 0) std::memcpy(buffer, data.data() + o->position, static_cast<size_t>(n));
  o->position += n;
  gFs.BytesRead += n;
  return static_cast<int32_t>(n);
}
int32_t Write(FileHandle f, const void* buffer, int32_t bytes) {
  OpenFile* o = Handle(f);
  if (!o || gFs.FailWrite || !gFs.Files.count(o->path)) return -1;
  std::vector<uint8_t>& data = gFs.Files[o->path];
  if (bytes > 0) {
    data.resize(std::max<size_t>(data.size(), static_cast<size_t>(o->position + bytes)));
    std::memcpy(data.data() + o->position, buffer, static_cast<size_t>(bytes));
  }
  o->position += std::max(bytes, 0);
  return std::max(bytes, 0);
}
bool Delete(const char* path) { return gFs.Files.erase(path) > 0; }
void Close(FileHandle f) {
  if (!Handle(f)) return;
  if (++gFs.Closes == gFs.Opens) gOpen.clear();  // handles are reused once all are closed
}
const FileSystem kMemory = {Open, Size, Seek, Read, Close, CreateTemporary, Write, Delete};
}  // namespace

MemoryFileSystem& UseMemoryFiles() {
  gFs = MemoryFileSystem{};
  gOpen.clear();
  SetFileSystem(&kMemory);
  return gFs;
}

void UsePlatformFiles() { SetFileSystem(nullptr); }
