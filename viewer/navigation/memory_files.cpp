#include "viewer/navigation/memory_files.h"

#include <algorithm>
#include <cstring>

#include "viewer/buffer/file_access.h"

namespace {
MemoryFiles* gInstalled = nullptr;

MemoryFiles::Handle* Get(FileHandle f) {
  if (!gInstalled || f < 0 || static_cast<size_t>(f) >= gInstalled->handles.size()) return nullptr;
  MemoryFiles::Handle& h = gInstalled->handles[static_cast<size_t>(f)];
  return h.open ? &h : nullptr;
}

FileHandle Open(const char* path) {
  if (!gInstalled || !gInstalled->files.count(path)) return kNoFile;
  gInstalled->handles.push_back({path, 0, true});
  ++gInstalled->openFiles;
  return static_cast<FileHandle>(gInstalled->handles.size() - 1);
}
int64_t Size(FileHandle f) {
  MemoryFiles::Handle* h = Get(f);
  if (!h || !gInstalled->files.count(h->path)) return -1;
  return static_cast<int64_t>(gInstalled->files[h->path].size());
}
bool Seek(FileHandle f, int64_t offset) {
  MemoryFiles::Handle* h = Get(f);
  if (!h || gInstalled->failSeek || offset < 0) return false;
  h->pos = offset;
  return true;
}
int32_t Read(FileHandle f, void* buffer, int32_t bytes) {
  MemoryFiles::Handle* h = Get(f);
  if (!h || bytes < 0) return -1;
  if (gInstalled->readsBeforeFailure == 0) return -1;
  if (gInstalled->readsBeforeFailure > 0) --gInstalled->readsBeforeFailure;
  auto it = gInstalled->files.find(h->path);
  if (it == gInstalled->files.end()) return -1;  // vanished while open
  const std::string& content = it->second;
  int64_t avail = std::max<int64_t>(0, static_cast<int64_t>(content.size()) - h->pos);
  int32_t n = static_cast<int32_t>(std::min<int64_t>({avail, bytes, gInstalled->maxRead}));
  if (n > 0) std::memcpy(buffer, content.data() + h->pos, static_cast<size_t>(n));
  h->pos += n;
  return n;
}
void Close(FileHandle f) {
  if (MemoryFiles::Handle* h = Get(f)) {
    h->open = false;
    --gInstalled->openFiles;
  }
}
const FileSystem kMemory = {Open, Size, Seek, Read, Close};
}  // namespace

MemoryFiles::MemoryFiles() {
  gInstalled = this;
  SetFileSystem(&kMemory);
}

MemoryFiles::~MemoryFiles() {
  SetFileSystem(nullptr);
  gInstalled = nullptr;
}
