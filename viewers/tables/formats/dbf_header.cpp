#include "viewers/tables/formats/dbf_header.h"

#include <algorithm>
#include <cstring>

#include "viewers/tables/formats/table_file.h"

namespace {

DbfFlavour FlavourOf(uint8_t version) {
  switch (version) {
    case 0x30:
    case 0x31:
    case 0x32: return DbfFlavour::VisualFox;
    case 0x04:
    case 0x8C: return DbfFlavour::Level7;
    default: return DbfFlavour::Classic;
  }
}

std::string NameOf(const uint8_t* p, size_t n) {
  const auto* end = static_cast<const uint8_t*>(std::memchr(p, 0, n));
  std::string name(p, end ? end : p + n);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

// Descriptors from first up to the terminator (or the header's end); each
// field follows the one before it in the record, and a field that would
// reach past the record is cut to the record's end.
std::vector<DbfField> ReadFields(const std::vector<uint8_t>& header, size_t first, size_t size,
                                 DbfFlavour flavour, uint32_t recordLength) {
  std::vector<DbfField> fields;
  uint32_t offset = 1;
  for (size_t at = first; at + size <= header.size() && header[at] != 0x0D; at += size) {
    const uint8_t* d = header.data() + at;
    DbfField f;
    if (flavour == DbfFlavour::Level7) {
      f.Name = NameOf(d, 32), f.Type = static_cast<char>(d[32]), f.Length = d[33];
      f.Decimals = d[34];
    } else {
      f.Name = NameOf(d, 11), f.Type = static_cast<char>(d[11]), f.Length = d[16];
      f.Decimals = d[17];
      // Long character fields keep the length's high byte in the decimals.
      if (f.Type == 'C' && flavour == DbfFlavour::Classic) f.Length |= f.Decimals << 8u;
    }
    if (offset >= recordLength) break;
    f.Offset = offset;
    f.Length = std::min(f.Length, recordLength - offset);
    offset += f.Length;
    if (f.Length > 0) fields.push_back(std::move(f));
  }
  return fields;
}

}  // namespace

std::optional<DbfLayout> ReadDbfLayout(const std::string& path, FileOffset fileSize) {
  uint8_t start[32];
  if (fileSize < 32 || ReadTableBytes(path, 0, start, sizeof start) != sizeof start) return {};
  DbfLayout t;
  t.Version = start[0];
  t.Flavour = FlavourOf(t.Version);
  t.ClaimedRecords = Le32(start + 4);
  t.HeaderLength = Le16(start + 8);
  t.RecordLength = Le16(start + 10);
  t.LanguageDriver = start[29];
  if (t.RecordLength < 2 || t.HeaderLength < 33 || t.HeaderLength > fileSize) return {};

  std::vector<uint8_t> header(t.HeaderLength);
  if (ReadTableBytes(path, 0, header.data(), header.size()) != header.size()) return {};
  const bool level7 = t.Flavour == DbfFlavour::Level7;
  t.Fields = ReadFields(header, level7 ? 68 : 32, level7 ? 48 : 32, t.Flavour, t.RecordLength);
  if (t.Fields.empty()) return {};
  const FileOffset held = (fileSize - t.HeaderLength) / t.RecordLength;
  t.RecordCount = static_cast<uint32_t>(std::min<FileOffset>(t.ClaimedRecords, held));
  return t;
}
