// The one seam through which the text viewer touches files: open for shared
// reading, size, seek, read, close, and temporary files of its own that it
// creates, writes and deletes. The program uses the platform's calls; tests
// put in their own to make any step fail.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_ref.h"

using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

struct FileSystem {
  FileHandle (*Open)(const char* path);              // shared reading; kNoFile on failure
  FileOffset (*Size)(FileHandle file);               // -1 on failure
  bool (*Seek)(FileHandle file, FileOffset offset);  // from the start
  int32_t (*Read)(FileHandle file, void* buffer, int32_t bytes);  // bytes read, -1 on failure
  void (*Close)(FileHandle file);
  // A new empty file in the temporary folder, open for reading and writing
  // (others may read it too); its name is stored in path, which has room for
  // kFilePathChars characters and the NUL. kNoFile on failure, with path
  // naming what was tried (the file, or the folder when no name could be
  // made there) and no file left behind.
  FileHandle (*CreateTemporary)(char* path);
  // At the file's position; bytes written, -1 on failure.
  int32_t (*Write)(FileHandle file, const void* buffer, int32_t bytes);
  bool (*Delete)(const char* path);  // a closed file
};

// The platform's file system (Win32 in the program, POSIX natively).
const FileSystem& PlatformFileSystem();
const FileSystem& Files();
// nullptr restores the platform's.
void SetFileSystem(const FileSystem* fs);

// Size of the file at path; 0 when it cannot be opened, its size cannot be
// read or is not positive.
FileOffset QueryFileSize(const char* path);
