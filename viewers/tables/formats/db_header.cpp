#include "viewers/tables/formats/db_header.h"

#include <algorithm>
#include <cstring>

#include "viewers/tables/formats/table_file.h"

namespace {

constexpr size_t kFieldCountAt = 0x21;
constexpr size_t kVersionAt = 0x39;
constexpr size_t kCodePageAt = 0x6A;

// Field types and sizes; then a table name pointer and one name pointer
// per field (of no use on disk), the table's name in a fixed space, and the
// field names, each ending in a zero byte.
bool ReadFields(const std::vector<uint8_t>& h, uint8_t version, DbLayout& t) {
  const size_t count = Le16(h.data() + kFieldCountAt);
  size_t at = version >= 5 ? 0x78 : 0x58;
  if (count == 0 || at + 2 * count > h.size()) return false;
  uint32_t offset = 0;
  for (size_t i = 0; i < count; ++i, at += 2) {
    DbField f;
    f.Type = h[at], f.Length = h[at + 1], f.Offset = offset;
    if (f.Length == 0 || offset + f.Length > t.RecordLength) break;
    offset += f.Length;
    f.Name = "Field" + std::to_string(i + 1);
    t.Fields.push_back(std::move(f));
  }
  at += 4 + 4 * count + (version >= 0x0C ? 261 : 79);
  for (DbField& f : t.Fields) {
    const auto* end =
        at < h.size() ? static_cast<const uint8_t*>(std::memchr(h.data() + at, 0, h.size() - at))
                      : nullptr;
    if (!end) break;
    const size_t n = static_cast<size_t>(end - (h.data() + at));
    if (n) f.Name.assign(h.data() + at, end);
    at += n + 1;
  }
  return !t.Fields.empty();
}

// Follows the chain from the first block; a block out of the file, a
// block met twice (a loop) or a count past the blocks the file holds ends
// it.
void ReadChain(const std::string& path, uint16_t first, FileOffset fileSize, DbLayout& t) {
  const FileOffset held = (fileSize - t.HeaderLength) / t.BlockSize;
  std::vector<bool> seen(static_cast<size_t>(std::min<FileOffset>(held, 65535)) + 1);
  TableFileReader file(path);
  for (uint16_t block = first; block >= 1 && block < seen.size() && !seen[block];) {
    seen[block] = true;
    uint8_t head[kDbBlockHeader];
    const FileOffset at = t.HeaderLength + FileOffset{block - 1} * t.BlockSize;
    if (file.ReadAt(at, head, sizeof head) != sizeof head) break;
    const auto lastOffset = static_cast<int16_t>(Le16(head + 4));
    const uint32_t fit = (t.BlockSize - kDbBlockHeader) / t.RecordLength;
    const uint32_t rows =
        lastOffset < 0
            ? 0
            : std::min<uint32_t>(static_cast<uint32_t>(lastOffset) / t.RecordLength + 1, fit);
    if (rows) {
      t.Blocks.push_back({block, t.RowCount});
      t.RowCount += rows;
    }
    block = Le16(head);
  }
}

}  // namespace

std::optional<DbLayout> ReadDbLayout(const std::string& path, FileOffset fileSize) {
  uint8_t start[0x78];
  if (fileSize < 0x58 || ReadTableBytes(path, 0, start, 0x58) != 0x58) return {};
  DbLayout t;
  t.RecordLength = Le16(start);
  t.HeaderLength = Le16(start + 2);
  const uint8_t fileType = start[4];
  t.BlockSize = start[5] * 1024u;
  const uint8_t version = start[kVersionAt];
  if ((fileType != 0 && fileType != 2) || t.RecordLength == 0 || t.BlockSize == 0 ||
      t.BlockSize > 32 * 1024 || t.RecordLength > t.BlockSize - kDbBlockHeader ||
      t.HeaderLength < 0x58 || t.HeaderLength > fileSize)
    return {};
  std::vector<uint8_t> header(t.HeaderLength);
  if (ReadTableBytes(path, 0, header.data(), header.size()) != header.size()) return {};
  if (version >= 5 && header.size() >= kCodePageAt + 2 && Le16(header.data() + kCodePageAt))
    t.CodePage = Le16(header.data() + kCodePageAt);
  if (!ReadFields(header, version, t)) return {};
  ReadChain(path, Le16(start + 0x0E), fileSize, t);
  return t;
}
