// Files held in memory behind the file-access seam, for tests and fuzz
// targets. While an instance lives it is the seam's file system; a test can
// make reads short or make steps fail, and sees whether every open file was
// closed again.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class MemoryFiles {
 public:
  MemoryFiles();
  ~MemoryFiles();
  MemoryFiles(const MemoryFiles&) = delete;
  MemoryFiles& operator=(const MemoryFiles&) = delete;

  // The content is read at each read, so a test may change it between calls.
  std::map<std::string, std::string> files;
  int32_t maxRead = INT32_MAX;  // longest single read (shorter reads than asked)
  bool failSeek = false;
  int readsBeforeFailure = -1;  // reads that succeed before every read fails; -1: never
  int openFiles = 0;            // opened and not yet closed

  // Open files, indexed by handle.
  struct Handle {
    std::string path;
    int64_t pos = 0;
    bool open = false;
  };
  std::vector<Handle> handles;
};
