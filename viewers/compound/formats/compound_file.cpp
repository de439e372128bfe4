#include "viewers/compound/formats/compound_file.h"

#include <algorithm>
#include <cstring>

#include "viewers/graphics/formats/byte_source.h"

namespace {

constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr uint32_t kLastSpecial = 0xFFFFFFFA;  // indexes above are markers, not sectors
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr size_t kHeaderFatSlots = 109;
constexpr size_t kEntryBytes = 128;

char16_t Folded(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

bool SameName(const std::u16string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (Folded(a[i]) != Folded(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

bool IsCompoundSignature(const uint8_t* bytes, size_t n) {
  return n >= sizeof kSignature && std::memcmp(bytes, kSignature, sizeof kSignature) == 0;
}

CompoundFile::CompoundFile(const char* path) : source_(std::make_unique<ByteSource>(path)) {
  open_ = source_->IsOpen() && ReadHeader();
}

CompoundFile::~CompoundFile() = default;

bool CompoundFile::ReadSector(uint32_t sector, uint8_t* out) {
  if (sector >= fileSectors_) return false;
  const int64_t at = static_cast<int64_t>(sector + 1) * sectorBytes_;
  return source_->ReadAt(at, out, sectorBytes_) == sectorBytes_;
}

bool CompoundFile::ReadHeader() {
  uint8_t h[512];
  if (source_->ReadAt(0, h, sizeof h) != sizeof h || !IsCompoundSignature(h, sizeof h))
    return false;
  const uint16_t shift = Le16(h + 0x1E), miniShift = Le16(h + 0x20);
  if ((shift != 9 && shift != 12) || miniShift < 2 || miniShift > shift) return false;
  sectorBytes_ = 1u << shift;
  miniSectorBytes_ = 1u << miniShift;
  miniCutoff_ = Le32(h + 0x38);
  const int64_t afterHeader = source_->Size() - sectorBytes_;
  fileSectors_ = afterHeader > 0 ? static_cast<uint32_t>(std::min<int64_t>(
                                       afterHeader / sectorBytes_, kLastSpecial))
                                 : 0;

  // The allocation table's sectors: the first ones listed in the header,
  // the rest in the master table's own chain of sectors, whose last slot
  // names the next one. Free slots name none.
  const uint32_t fatSectors = std::min(Le32(h + 0x2C), fileSectors_);
  std::vector<uint32_t> fatList;
  auto list = [&](uint32_t sector) {
    if (sector <= kLastSpecial && fatList.size() < fatSectors) fatList.push_back(sector);
  };
  for (size_t i = 0; i < kHeaderFatSlots; ++i) list(Le32(h + 0x4C + 4 * i));
  std::vector<uint8_t> sector(sectorBytes_);
  std::vector<bool> seen(fileSectors_);
  for (uint32_t m = Le32(h + 0x44); fatList.size() < fatSectors && m < fileSectors_ && !seen[m];) {
    seen[m] = true;
    if (!ReadSector(m, sector.data())) break;
    const size_t slots = sectorBytes_ / 4 - 1;
    for (size_t i = 0; i < slots; ++i) list(Le32(&sector[4 * i]));
    m = Le32(&sector[4 * slots]);
  }
  const size_t perSector = sectorBytes_ / 4;
  fat_.assign(std::min<size_t>(fatList.size() * perSector, fileSectors_), kFree);
  for (size_t k = 0; k < fatList.size() && k * perSector < fat_.size(); ++k) {
    if (!ReadSector(fatList[k], sector.data())) continue;
    for (size_t i = 0; i < perSector && k * perSector + i < fat_.size(); ++i)
      fat_[k * perSector + i] = Le32(&sector[4 * i]);
  }

  ReadDirectory(Le32(h + 0x30));
  if (entries_.empty() || entries_[0].Type != CompoundEntry::kRoot) return false;
  miniFat_ = ReadTable(Le32(h + 0x3C));
  return true;
}

std::vector<uint32_t> CompoundFile::Chain(uint32_t start,
                                          const std::vector<uint32_t>& table) const {
  std::vector<uint32_t> chain;
  std::vector<bool> seen(table.size());
  for (uint32_t s = start; s < table.size() && !seen[s]; s = table[s]) {
    seen[s] = true;
    chain.push_back(s);
  }
  return chain;
}

std::vector<uint8_t> CompoundFile::ReadChain(uint32_t start, uint64_t size) {
  std::vector<uint8_t> bytes;
  for (uint32_t s : Chain(start, fat_)) {
    if (bytes.size() >= size) break;
    const size_t at = bytes.size();
    bytes.resize(at + sectorBytes_);
    if (!ReadSector(s, &bytes[at])) {
      bytes.resize(at);
      break;
    }
  }
  if (bytes.size() > size) bytes.resize(static_cast<size_t>(size));
  return bytes;
}

std::vector<uint32_t> CompoundFile::ReadTable(uint32_t start) {
  std::vector<uint8_t> bytes = ReadChain(start, UINT64_MAX);
  std::vector<uint32_t> table(bytes.size() / 4);
  for (size_t i = 0; i < table.size(); ++i) table[i] = Le32(&bytes[4 * i]);
  return table;
}

void CompoundFile::ReadDirectory(uint32_t start) {
  std::vector<uint8_t> bytes = ReadChain(start, UINT64_MAX);
  for (size_t at = 0; at + kEntryBytes <= bytes.size(); at += kEntryBytes) {
    const uint8_t* e = &bytes[at];
    CompoundEntry entry;
    const size_t nameBytes = std::min<size_t>(Le16(e + 0x40), 64);
    for (size_t i = 0; i + 1 < nameBytes; i += 2) {
      char16_t c = Le16(e + i);
      if (c == 0) break;
      entry.Name.push_back(c);
    }
    entry.Type = e[0x42];
    entry.Left = Le32(e + 0x44);
    entry.Right = Le32(e + 0x48);
    entry.Child = Le32(e + 0x4C);
    entry.Start = Le32(e + 0x74);
    // Files of 512-byte sectors keep only the low half of the size.
    entry.Size = sectorBytes_ == 512 ? Le32(e + 0x78)
                                     : Le32(e + 0x78) | static_cast<uint64_t>(Le32(e + 0x7C)) << 32;
    entries_.push_back(entry);
  }
}

int CompoundFile::FindStream(const char* name) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].Type == CompoundEntry::kStream && SameName(entries_[i].Name, name))
      return static_cast<int>(i);
  return -1;
}

std::vector<uint8_t> CompoundFile::ReadStream(int entry) {
  if (!open_ || entry < 0 || static_cast<size_t>(entry) >= entries_.size()) return {};
  const CompoundEntry& e = entries_[entry];
  if (e.Type != CompoundEntry::kStream) return {};
  if (e.Size >= miniCutoff_) return ReadChain(e.Start, e.Size);

  // Small streams live in the mini stream, the root entry's own chain.
  if (!miniRead_) {
    miniRead_ = true;
    miniStream_ = ReadChain(entries_[0].Start, entries_[0].Size);
  }
  std::vector<uint8_t> bytes;
  for (uint32_t s : Chain(e.Start, miniFat_)) {
    if (bytes.size() >= e.Size) break;
    const uint64_t at = static_cast<uint64_t>(s) * miniSectorBytes_;
    if (at + miniSectorBytes_ > miniStream_.size()) break;
    bytes.insert(bytes.end(), miniStream_.begin() + at, miniStream_.begin() + at + miniSectorBytes_);
  }
  if (bytes.size() > e.Size) bytes.resize(static_cast<size_t>(e.Size));
  return bytes;
}
