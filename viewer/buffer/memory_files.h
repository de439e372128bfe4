// An in-memory file system behind the file seam, for tests and fuzzers:
// files are byte vectors that a test may change between reads, or sparse
// files of any size, and every step of the seam can be made to fail.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "viewer/buffer/file_offset.h"

// A file of any size that takes no memory: Pattern repeated to Size bytes
// (zeros when it is empty), with Pieces written over it at their offsets.
struct SparseFile {
  FileOffset Size = 0;
  std::string Pattern;
  std::map<FileOffset, std::string> Pieces;
  // The n bytes at offset at (the file's size is not checked).
  std::string Bytes(FileOffset at, size_t n) const;
};

struct MemoryFileSystem {
  std::map<std::string, std::vector<uint8_t>> Files;
  std::map<std::string, SparseFile> SparseFiles;  // by names Files does not use
  bool FailSize = false;
  bool FailSeek = false;
  bool FailRead = false;
  bool FailCreate = false;
  bool FailWrite = false;
  int32_t ReadLimit = -1;            // most bytes one read returns; -1: no limit
  std::function<void()> BeforeRead;  // runs before every read
  int Opens = 0, Closes = 0, Reads = 0;
  int64_t BytesRead = 0;
};

// Puts a fresh in-memory file system behind Files() and returns it.
MemoryFileSystem& UseMemoryFiles();
// Restores the platform's file system.
void UsePlatformFiles();
