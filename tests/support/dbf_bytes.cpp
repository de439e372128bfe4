#include "tests/support/dbf_bytes.h"

namespace {
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
