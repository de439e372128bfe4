#include "viewers/compound/formats/test_compound.h"

#include <cstring>

namespace {

constexpr uint32_t kSector = 512, kMini = 64, kCutoff = 4096;
constexpr uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatMark = 0xFFFFFFFD,
                   kMasterMark = 0xFFFFFFFC;

void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> 8 * i);
}
uint32_t Sectors(size_t bytes, uint32_t unit) { return static_cast<uint32_t>((bytes + unit - 1) / unit); }

}  // namespace

void CompoundImage::SetFat(uint32_t sector, uint32_t next) {
  Put32(Bytes, (FatSector + 1) * kSector + 4 * sector, next);
}

void CompoundImage::SetMiniFat(uint32_t miniSector, uint32_t next) {
  Put32(Bytes, (MiniFatSector + 1) * kSector + 4 * miniSector, next);
}

void CompoundImage::SetEntryField(size_t entry, size_t field, uint32_t value) {
  Put32(Bytes, (DirectorySector + 1) * kSector + 128 * entry + field, value);
}

CompoundImage MakeCompound(const std::vector<CompoundStream>& streams, bool fatInMaster) {
  std::string mini;
  std::vector<uint32_t> starts;
  std::vector<uint32_t> miniFat;
  uint32_t bigSectors = 0;
  for (const CompoundStream& s : streams) {
    if (s.Bytes.size() < kCutoff) {
      uint32_t first = static_cast<uint32_t>(miniFat.size()), n = Sectors(s.Bytes.size(), kMini);
      for (uint32_t i = 0; i < n; ++i) miniFat.push_back(i + 1 < n ? first + i + 1 : kEnd);
      starts.push_back(n ? first : kEnd);
      mini += s.Bytes;
      mini.resize(miniFat.size() * kMini, '\0');
    } else {
      starts.push_back(0);  // placed below
      bigSectors += Sectors(s.Bytes.size(), kSector);
    }
  }
  const uint32_t master = fatInMaster ? 1 : 0;
  const uint32_t dirSectors = Sectors((streams.size() + 1) * 128, kSector);
  const uint32_t miniFatSectors = Sectors(miniFat.size() * 4, kSector);
  const uint32_t miniSectors = Sectors(mini.size(), kSector);
  const uint32_t others = master + dirSectors + miniFatSectors + miniSectors + bigSectors;
  uint32_t fatSectors = 1;
  while (fatSectors * (kSector / 4) < fatSectors + others) ++fatSectors;

  std::vector<uint32_t> fat(fatSectors * (kSector / 4), kFree);
  uint32_t next = 0;
  auto run = [&](uint32_t n) {  // chains n sectors; answers the first
    uint32_t first = n ? next : kEnd;
    for (uint32_t i = 0; i < n; ++i, ++next) fat[next] = i + 1 < n ? next + 1 : kEnd;
    return first;
  };
  for (uint32_t i = 0; i < fatSectors; ++i) fat[next++] = kFatMark;
  const uint32_t masterSector = master ? next : kEnd;
  if (master) fat[next++] = kMasterMark;
  CompoundImage image;
  image.FatSector = 0;
  image.DirectorySector = run(dirSectors);
  const uint32_t miniFatStart = image.MiniFatSector = run(miniFatSectors);
  const uint32_t miniStart = run(miniSectors);
  for (size_t i = 0; i < streams.size(); ++i)
    if (streams[i].Bytes.size() >= kCutoff) starts[i] = run(Sectors(streams[i].Bytes.size(), kSector));
  image.Starts = starts;

  std::string& b = image.Bytes;
  b.assign((next + 1) * kSector, '\0');
  const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::memcpy(&b[0], signature, 8);
  b[0x18] = 0x3E, b[0x1A] = 3, b[0x1C] = '\xFE', b[0x1D] = '\xFF', b[0x1E] = 9, b[0x20] = 6;
  Put32(b, 0x2C, fatSectors);
  Put32(b, 0x30, image.DirectorySector);
  Put32(b, 0x38, kCutoff);
  Put32(b, 0x3C, miniFatStart);
  Put32(b, 0x40, miniFatSectors);
  Put32(b, 0x44, masterSector);
  Put32(b, 0x48, master);
  for (uint32_t i = 0; i < 109; ++i) Put32(b, 0x4C + 4 * i, !master && i < fatSectors ? i : kFree);
  if (master) {
    const size_t at = (masterSector + 1) * kSector;
    for (uint32_t i = 0; i < kSector / 4; ++i) Put32(b, at + 4 * i, i < fatSectors ? i : kFree);
    Put32(b, at + kSector - 4, kEnd);
  }
  for (size_t i = 0; i < fat.size(); ++i) Put32(b, kSector + 4 * i, fat[i]);
  for (size_t i = 0; i < miniFat.size(); ++i) Put32(b, (miniFatStart + 1) * kSector + 4 * i, miniFat[i]);
  if (!mini.empty()) std::memcpy(&b[(miniStart + 1) * kSector], mini.data(), mini.size());

  auto entry = [&](size_t index, const std::string& name, uint8_t type, uint32_t start,
                   uint32_t size, uint32_t right, uint32_t child) {
    const size_t at = (image.DirectorySector + 1) * kSector + 128 * index;
    for (size_t i = 0; i < name.size(); ++i) b[at + 2 * i] = name[i];
    b[at + 0x40] = static_cast<char>(2 * (name.size() + 1));
    b[at + 0x42] = static_cast<char>(type);
    b[at + 0x43] = 1;  // black
    Put32(b, at + 0x44, kFree);
    Put32(b, at + 0x48, right);
    Put32(b, at + 0x4C, child);
    Put32(b, at + 0x74, start);
    Put32(b, at + 0x78, size);
  };
  const uint32_t count = static_cast<uint32_t>(streams.size());
  entry(0, "Root Entry", 5, miniStart, static_cast<uint32_t>(mini.size()), kFree, count ? 1 : kFree);
  for (uint32_t i = 0; i < count; ++i) {
    const CompoundStream& s = streams[i];
    entry(i + 1, s.Name, 2, starts[i], static_cast<uint32_t>(s.Bytes.size()),
          i + 1 < count ? i + 2 : kFree, kFree);
    if (s.Bytes.size() >= kCutoff)
      std::memcpy(&b[(starts[i] + 1) * kSector], s.Bytes.data(), s.Bytes.size());
  }
  return image;
}
