// The memo file beside a table, from which its memo fields are read: a
// .DBT (512-byte blocks ending at 1A, or blocks of the size its header
// gives, each with an 8-byte header holding the length) or a .FPT
// (big-endian block size; each block starts with its type and length).
#pragma once
#include <cstdint>
#include <string>

#include "viewer/buffer/file_offset.h"

struct Memo {
  std::string Text;     // at most kMemoCharsShown bytes of it
  uint32_t Length = 0;  // of the whole memo
  bool Binary = false;  // a picture or object, not text
  bool Found = false;
};

constexpr uint32_t kMemoCharsShown = 4096;

class MemoFile {
 public:
  // Looks for the memo file of the table at path: the same name with the
  // extension of the table's kind first, the other one next, in any case.
  MemoFile(const std::string& tablePath, bool foxFirst);
  bool Present() const { return !path_.empty(); }
  Memo Read(uint32_t block) const;

 private:
  Memo ReadDbt(uint32_t block) const;
  Memo ReadFpt(uint32_t block) const;

  std::string path_;
  bool fox_ = false;
  uint32_t blockSize_ = 512;
  bool blockHeaders_ = false;  // DBT blocks with a length header
};
