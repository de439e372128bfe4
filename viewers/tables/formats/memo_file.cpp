#include "viewers/tables/formats/memo_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "viewer/buffer/file_access.h"
#include "viewers/tables/formats/table_file.h"

namespace {

std::string WithCase(std::string s, int (*change)(int)) {
  for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
  return s;
}

// The first of stem + extension in upper, lower or the stem's own case
// that exists (a case-sensitive file system may hold any of them).
std::string FindBeside(const std::string& stem, const std::string& extension) {
  const std::string names[] = {stem + WithCase(extension, toupper),
                               stem + WithCase(extension, tolower),
                               WithCase(stem, toupper) + WithCase(extension, toupper),
                               WithCase(stem, tolower) + WithCase(extension, tolower)};
  for (const std::string& name : names) {
    const FileHandle file = Files().Open(name.c_str());
    if (file == kNoFile) continue;
    Files().Close(file);
    return name;
  }
  return {};
}

}  // namespace

MemoFile::MemoFile(const std::string& tablePath, bool foxFirst) {
  const size_t slash = tablePath.find_last_of("\\/");
  const size_t dot = tablePath.rfind('.');
  const std::string stem = dot != std::string::npos && (slash == std::string::npos || dot > slash)
                               ? tablePath.substr(0, dot)
                               : tablePath;
  const char* order[] = {foxFirst ? ".fpt" : ".dbt", foxFirst ? ".dbt" : ".fpt"};
  for (const char* extension : order) {
    path_ = FindBeside(stem, extension);
    if (path_.empty()) continue;
    fox_ = std::string(extension) == ".fpt";
    uint8_t header[24] = {};
    ReadTableBytes(path_, 0, header, sizeof header);
    if (fox_) {
      blockSize_ = Be16(header + 6);
    } else if (const uint16_t size = Le16(header + 20); size >= 8 && header[0x10] != 3) {
      // Level IV and later write their block size; level III leaves 0 there
      // or its version byte 3.
      blockSize_ = size, blockHeaders_ = true;
    }
    if (blockSize_ == 0) blockSize_ = 512;
    return;
  }
}

Memo MemoFile::Read(uint32_t block) const {
  if (!Present() || block == 0) return {};
  return fox_ ? ReadFpt(block) : ReadDbt(block);
}

Memo MemoFile::ReadFpt(uint32_t block) const {
  const FileOffset at = static_cast<FileOffset>(block) * blockSize_;
  uint8_t head[8];
  if (ReadTableBytes(path_, at, head, sizeof head) != sizeof head) return {};
  Memo memo;
  memo.Found = true;
  memo.Binary = Be32(head) != 1;
  memo.Length = Be32(head + 4);
  memo.Text.resize(std::min(memo.Length, kMemoCharsShown));
  memo.Text.resize(ReadTableBytes(path_, at + 8, memo.Text.data(), memo.Text.size()));
  return memo;
}

Memo MemoFile::ReadDbt(uint32_t block) const {
  FileOffset at = static_cast<FileOffset>(block) * blockSize_;
  uint8_t head[8];
  if (ReadTableBytes(path_, at, head, sizeof head) != sizeof head) return {};
  Memo memo;
  memo.Found = true;
  if (blockHeaders_ && Le32(head) == 0x0008FFFF) {
    memo.Length = Le32(head + 4) >= 8 ? Le32(head + 4) - 8 : 0;
    memo.Text.resize(std::min(memo.Length, kMemoCharsShown));
    memo.Text.resize(ReadTableBytes(path_, at + 8, memo.Text.data(), memo.Text.size()));
    return memo;
  }
  // Text up to the end mark 1A, read a piece at a time up to what is shown.
  std::vector<char> piece(512);
  while (memo.Text.size() < kMemoCharsShown) {
    const size_t got = ReadTableBytes(path_, at, piece.data(), piece.size());
    const auto end = std::find(piece.begin(), piece.begin() + static_cast<long>(got), '\x1A');
    memo.Text.append(piece.begin(), end);
    if (got < piece.size() || end != piece.begin() + static_cast<long>(got)) break;
    at += static_cast<FileOffset>(got);
  }
  if (memo.Text.size() > kMemoCharsShown) memo.Text.resize(kMemoCharsShown);
  memo.Length = static_cast<uint32_t>(memo.Text.size());
  return memo;
}
