#include "viewers/tables/formats/test_tables.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint32_t kHeader = 0x800, kBlock = 0x400;

void Put(std::string& b, size_t at, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> 8 * i);
}
}  // namespace

std::string DbfFileBytes(const std::vector<DbfColumn>& columns,
                         const std::vector<DbfRecord>& records, uint8_t codePageMark) {
  uint32_t recordLength = 1;
  for (const DbfColumn& c : columns) recordLength += c.Length;
  std::string b(32, '\0');
  b[0] = 0x03;
  Put(b, 4, static_cast<uint32_t>(records.size()), 4);
  Put(b, 8, static_cast<uint32_t>(32 * columns.size() + 33), 2);
  Put(b, 10, recordLength, 2);
  b[29] = static_cast<char>(codePageMark);
  for (const DbfColumn& c : columns) {
    std::string d(32, '\0');
    d.replace(0, c.Name.size(), c.Name);
    d[11] = c.Type, d[16] = static_cast<char>(c.Length);
    b += d;
  }
  b += '\x0D';
  for (const DbfRecord& r : records) {
    b += r.Deleted ? '*' : ' ';
    for (size_t i = 0; i < columns.size(); ++i) {
      const std::string v = i < r.Values.size() ? r.Values[i] : "";
      const std::string pad(columns[i].Length - v.size(), ' ');
      b += columns[i].Type == 'N' ? pad + v : v + pad;
    }
  }
  return b + '\x1A';
}

std::string DbFileBytes(const std::vector<DbTestField>& fields,
                        const std::vector<std::vector<std::string>>& blocks,
                        const std::vector<uint16_t>& chain) {
  uint32_t recordLength = 0;
  for (const DbTestField& f : fields) recordLength += f.Size;
  std::string b(kHeader, '\0');
  Put(b, 0, recordLength, 2), Put(b, 2, kHeader, 2);
  b[5] = 1;  // 1 KiB blocks
  Put(b, 0x0E, chain.empty() ? 0 : chain[0], 2);
  Put(b, 0x21, static_cast<uint32_t>(fields.size()), 2);
  b[0x39] = 0x0C;
  Put(b, 0x6A, 1252, 2);
  size_t at = 0x78;
  for (const DbTestField& f : fields)
    b[at++] = static_cast<char>(f.Type), b[at++] = static_cast<char>(f.Size);
  at += 4 + 4 * fields.size() + 261;
  for (const DbTestField& f : fields)
    std::memcpy(&b[at], f.Name.c_str(), f.Name.size() + 1), at += f.Name.size() + 1;
  for (size_t i = 0; i < blocks.size(); ++i) {
    std::string block(kBlock, '\0');
    const auto place = std::find(chain.begin(), chain.end(), i + 1);
    if (place != chain.end() && place + 1 != chain.end()) Put(block, 0, *(place + 1), 2);
    Put(block, 4, static_cast<uint32_t>(blocks[i].size() - 1) * recordLength, 2);
    size_t r = 6;
    for (const std::string& record : blocks[i])
      std::memcpy(&block[r], record.data(), record.size()), r += record.size();
    b += block;
  }
  return b;
}
