// Reading the streams of a compound document: a file laid out as a small
// file system of fixed-size sectors, with an allocation table chaining the
// sectors of each stream, a directory of named storages and streams, and
// a mini stream of 64-byte sectors holding the small streams. Every chain
// is followed at most once round and never past the file's end; a stream
// whose chain breaks reads as far as it is sound.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ByteSource;

// The eight bytes a compound document starts with.
bool IsCompoundSignature(const uint8_t* bytes, size_t n);

struct CompoundEntry {
  enum Kind : uint8_t { kEmpty = 0, kStorage = 1, kStream = 2, kRoot = 5 };
  std::u16string Name;
  uint8_t Type = kEmpty;
  uint32_t Left = 0, Right = 0, Child = 0;  // directory indexes of the tree
  uint32_t Start = 0;                       // first sector
  uint64_t Size = 0;                        // bytes the entry claims
};

class CompoundFile {
 public:
  explicit CompoundFile(const char* path);
  ~CompoundFile();
  CompoundFile(const CompoundFile&) = delete;
  CompoundFile& operator=(const CompoundFile&) = delete;

  // Whether the file is a compound document with a readable directory.
  bool IsOpen() const { return open_; }

  const std::vector<CompoundEntry>& Entries() const { return entries_; }
  // The index of the first stream named name (ASCII, case-insensitive),
  // or -1.
  int FindStream(const char* name) const;
  // The bytes of an entry's stream, as many of its claimed size as its
  // chain holds; empty for a missing stream.
  std::vector<uint8_t> ReadStream(int entry);
  std::vector<uint8_t> ReadStream(const char* name) { return ReadStream(FindStream(name)); }

 private:
  bool ReadHeader();
  bool ReadSector(uint32_t sector, uint8_t* out);
  std::vector<uint32_t> Chain(uint32_t start, const std::vector<uint32_t>& table) const;
  std::vector<uint8_t> ReadChain(uint32_t start, uint64_t size);
  std::vector<uint32_t> ReadTable(uint32_t start);
  void ReadDirectory(uint32_t start);

  std::unique_ptr<ByteSource> source_;
  bool open_ = false;
  uint32_t sectorBytes_ = 512;
  uint32_t miniSectorBytes_ = 64;
  uint32_t miniCutoff_ = 4096;
  uint32_t fileSectors_ = 0;  // whole sectors after the header
  std::vector<uint32_t> fat_;
  std::vector<uint32_t> miniFat_;
  std::vector<CompoundEntry> entries_;
  bool miniRead_ = false;
  std::vector<uint8_t> miniStream_;
};
