#include "viewer/buffer/file_access.h"

namespace {
const FileSystem* gFiles = nullptr;
}

const FileSystem& Files() { return gFiles ? *gFiles : PlatformFileSystem(); }
void SetFileSystem(const FileSystem* fs) { gFiles = fs; }

FileOffset QueryFileSize(const char* path) {
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(path);
  if (f == kNoFile) return 0;
  FileOffset size = fs.Size(f);
  fs.Close(f);
  return size > 0 ? size : 0;
}
