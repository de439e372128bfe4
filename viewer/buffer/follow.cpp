#include "viewer/buffer/follow.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/read_block.h"

namespace {
bool IsWide(CharCode code) { return code == CODE_UTF16LE || code == CODE_UTF16BE; }

uint32_t Hash(const uint8_t* bytes, int32_t n) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (int32_t i = 0; i < n; ++i) h = (h ^ bytes[i]) * 16777619u;
  return h;
}

// Reads n bytes at offset; false when the file gives fewer.
bool ReadAt(const FileSystem& fs, FileHandle f, FileOffset offset, uint8_t* into, int32_t n) {
  if (!fs.Seek(f, offset)) return false;
  for (int32_t got = 0; got < n;) {
    const int32_t r = fs.Read(f, into + got, n - got);
    if (r <= 0) return false;
    got += r;
  }
  return true;
}

struct OpenFile {
  const FileSystem& fs = Files();
  FileHandle f;
  explicit OpenFile(const char* path) : f(Files().Open(path)) {}
  ~OpenFile() {
    if (f != kNoFile) fs.Close(f);
  }
};

// The whole-character end of a file of size bytes.
FileOffset ReadWholeEnd(const FileSystem& fs, FileHandle f, FileOffset size, CharCode code) {
  uint8_t tail[4];
  const int32_t n = static_cast<int32_t>(std::min<FileOffset>(size, sizeof tail));
  if (n == 0 || !ReadAt(fs, f, size - n, tail, n)) return size;
  return WholeCharacterEnd({tail, static_cast<size_t>(n)}, size, code);
}

// The mark's head as the file has it now: up to one read block.
bool HeadOf(const FileSystem& fs, FileHandle f, FileOffset end, uint8_t* buffer, int32_t* n) {
  *n = static_cast<int32_t>(std::min<FileOffset>(end, kReadBlockBytes));
  return ReadAt(fs, f, 0, buffer, *n);
}
}  // namespace

FollowChange ClassifyFollow(FileOffset seenSize, FileOffset size, bool headKept) {
  if (size < seenSize || !headKept) return FollowChange::kRestart;
  return size > seenSize ? FollowChange::kGrew : FollowChange::kNone;
}

FileOffset WholeCharacterEnd(std::span<const uint8_t> tail, FileOffset fileSize, CharCode code) {
  const auto n = static_cast<FileOffset>(tail.size());
  if (IsWide(code)) {
    FileOffset end = fileSize & ~FileOffset{1};
    const FileOffset last = end - 2 - (fileSize - n);  // the last whole unit in tail
    if (last >= 0) {
      const uint8_t high = tail[last + (code == CODE_UTF16LE ? 1 : 0)];
      if (high >= 0xD8 && high <= 0xDB) end -= 2;  // a pair's first half
    }
    return end;
  }
  if (code != CODE_UTF8) return fileSize;
  // The last byte that starts a sequence, and whether all of it is there.
  for (FileOffset i = n - 1; i >= 0 && i >= n - 4; --i) {
    const uint8_t b = tail[i];
    if ((b & 0xC0) == 0x80) continue;
    const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return (b < 0xF8 && n - i < length) ? fileSize - (n - i) : fileSize;
  }
  return fileSize;
}

int32_t CountLineEnds(std::span<const uint8_t> bytes, FileOffset at, CharCode code) {
  int32_t count = 0;
  if (!IsWide(code)) {
    for (uint8_t b : bytes) count += b == 0x0A;
    return count;
  }
  const size_t lf = code == CODE_UTF16LE ? 0 : 1;  // where the unit's 0x0A byte is
  for (size_t i = (at & 1) ? 1 : 0; i + 1 < bytes.size(); i += 2)
    count += bytes[i + lf] == 0x0A && bytes[i + 1 - lf] == 0;
  return count;
}

FollowMark MarkFile(const char* path, CharCode code) {
  OpenFile file(path);
  FollowMark mark;
  if (file.f == kNoFile) return mark;
  const FileOffset size = file.fs.Size(file.f);
  if (size <= 0) return mark;
  std::unique_ptr<uint8_t[]> head(new (std::nothrow) uint8_t[kReadBlockBytes]);
  int32_t n = 0;
  mark.Size = ReadWholeEnd(file.fs, file.f, size, code);
  if (head && HeadOf(file.fs, file.f, mark.Size, head.get(), &n))
    mark.HeadBytes = n, mark.HeadHash = Hash(head.get(), n);
  return mark;
}

FollowLook LookAgain(FollowMark& mark, const char* path, CharCode code) {
  FollowLook look;
  OpenFile file(path);
  if (file.f == kNoFile) return look;
  const FileOffset size = file.fs.Size(file.f);
  std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[kReadBlockBytes]);
  if (size < 0 || !buffer) return look;
  const FileOffset end = ReadWholeEnd(file.fs, file.f, size, code);
  int32_t n = 0;
  const bool headRead = HeadOf(file.fs, file.f, end, buffer.get(), &n);
  const bool headKept =
      headRead && n >= mark.HeadBytes && Hash(buffer.get(), mark.HeadBytes) == mark.HeadHash;
  if (!headRead && end >= mark.Size) return look;  // a read that failed says nothing
  if (!headRead) n = 0;
  look.Change = ClassifyFollow(mark.Size, end, headKept);
  if (look.Change == FollowChange::kGrew) {
    for (FileOffset at = mark.Size; at < end;) {
      const auto chunk = static_cast<int32_t>(std::min<FileOffset>(end - at, kReadBlockBytes));
      if (!ReadAt(file.fs, file.f, at, buffer.get(), chunk)) break;
      look.NewLines += CountLineEnds({buffer.get(), static_cast<size_t>(chunk)}, at, code);
      at += chunk;
    }
    if (!HeadOf(file.fs, file.f, end, buffer.get(), &n)) n = 0;
  }
  mark.Size = end;
  mark.HeadBytes = n;
  mark.HeadHash = Hash(buffer.get(), n);
  return look;
}

bool PutMessageOnTop(LineTable& table, TextArena& arena, const char* text) {
  const auto length = static_cast<int32_t>(std::strlen(text));
  if (!table.Entries || table.Afirst < 0 || table.Alast < table.Afirst ||
      (table.Afirst == 0 && table.Alast + 1 >= table.Acnt) || arena.Tend + length > arena.Tlen)
    return false;
  LineEntry* e = table.Entries;
  if (table.Afirst == 0) {
    std::memmove(e + 1, e, sizeof(LineEntry) * (table.Alast + 1));
    ++table.Alast;
  } else {
    --table.Afirst;
  }
  const int top = table.Afirst;
  e[top] = LineEntry{e[top + 1].Offset, arena.Tend, length, 0, LF_MESSAGE};
  std::memcpy(arena.Base + arena.Tend, text, length);
  arena.Tend += length;
  table.Acur = static_cast<int16_t>(top);
  return true;
}
