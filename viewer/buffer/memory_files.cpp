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

bool Exists(const std::string& path) {
  return gFs.Files.count(path) || gFs.SparseFiles.count(path);
}

FileHandle Open(const char* path) {
  if (!Exists(path)) return kNoFile;
  ++gFs.Opens;
  gOpen.push_back(OpenFile{path, 0});
  return static_cast<FileHandle>(gOpen.size() - 1);
}
// Temporary files are named temp1, temp2, ... after the first free number.
FileHandle CreateTemporary(char* path) {
  int i = 0;
  do std::snprintf(path, kFilePathChars + 1, "temp%d", ++i);
  while (gFs.Files.count(path));
  if (gFs.FailCreate) return kNoFile;
  gFs.Files[path];
  return Open(path);
}
FileOffset Size(FileHandle f) {
  OpenFile* o = Handle(f);
  if (!o || gFs.FailSize || !Exists(o->path)) return -1;
  auto sparse = gFs.SparseFiles.find(o->path);
  if (sparse != gFs.SparseFiles.end()) return sparse->second.Size;
  return static_cast<FileOffset>(gFs.Files[o->path].size());
}
bool Seek(FileHandle f, FileOffset offset) {
  OpenFile* o = Handle(f);
  if (!o || gFs.FailSeek) return false;
  o->position = offset;
  return true;
}
int32_t Read(FileHandle f, void* buffer, int32_t bytes) {
  if (gFs.BeforeRead) gFs.BeforeRead();
  OpenFile* o = Handle(f);
  ++gFs.Reads;
  if (!o || gFs.FailRead || !Exists(o->path)) return -1;
  const auto sparse = gFs.SparseFiles.find(o->path);
  const SparseFile* s = sparse != gFs.SparseFiles.end() ? &sparse->second : nullptr;
  const std::vector<uint8_t>* data = s ? nullptr : &gFs.Files[o->path];
  const FileOffset size = s ? s->Size : static_cast<FileOffset>(data->size());
  FileOffset n = std::min<FileOffset>(bytes, std::max<FileOffset>(size - o->position, 0));
  if (gFs.ReadLimit >= 0) n = std::min<FileOffset>(n, gFs.ReadLimit);
  if (n > 0 && s)
    std::memcpy(buffer, s->Bytes(o->position, static_cast<size_t>(n)).data(),
                static_cast<size_t>(n));
  else if (n > 0)
    std::memcpy(buffer, data->data() + o->position, static_cast<size_t>(n));
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
bool Delete(const char* path) { return gFs.Files.erase(path) + gFs.SparseFiles.erase(path) > 0; }
void Close(FileHandle f) {
  if (!Handle(f)) return;
  if (++gFs.Closes == gFs.Opens) gOpen.clear();  // handles are reused once all are closed
}
const FileSystem kMemory = {Open, Size, Seek, Read, Close, CreateTemporary, Write, Delete};
}  // namespace

std::string SparseFile::Bytes(FileOffset at, size_t n) const {
  std::string out(n, '\0');
  for (size_t i = 0; !Pattern.empty() && i < n;) {
    const size_t from = static_cast<size_t>((at + static_cast<FileOffset>(i)) %
                                            static_cast<FileOffset>(Pattern.size()));
    const size_t run = std::min(Pattern.size() - from, n - i);
    out.replace(i, run, Pattern, from, run);
    i += run;
  }
  for (const auto& [offset, piece] : Pieces) {
    const FileOffset from = std::max(offset, at);
    const FileOffset to =
        std::min(offset + static_cast<FileOffset>(piece.size()), at + static_cast<FileOffset>(n));
    if (from < to)
      out.replace(static_cast<size_t>(from - at), static_cast<size_t>(to - from), piece,
                  static_cast<size_t>(from - offset), static_cast<size_t>(to - from));
  }
  return out;
}

MemoryFileSystem& UseMemoryFiles() {
  gFs = MemoryFileSystem{};
  gOpen.clear();
  SetFileSystem(&kMemory);
  return gFs;
}

void UsePlatformFiles() { SetFileSystem(nullptr); }
