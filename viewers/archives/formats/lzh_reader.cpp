#include "viewers/archives/formats/lzh_reader.h"

#include <algorithm>

namespace {
constexpr int64_t kFixedBytes = 22;   // levels 0 and 1 up to the name
constexpr int64_t kLevel2Bytes = 26;  // level 2 up to its extended headers
constexpr uint8_t kExtName = 0x01, kExtFolder = 0x02, kExtDosAttributes = 0x40,
                  kExtUnixMode = 0x50;
constexpr uint8_t kFolderSeparator = 0xFF;

bool IsMethod(const uint8_t* m) {
  return m[0] == '-' && m[1] == 'l' && (m[2] == 'h' || m[2] == 'z') && m[4] == '-';
}

// A Unix time as the MS-DOS date and time (UTC), 1980 to 2107.
uint32_t DosTimeOf(uint32_t unixTime) {
  const int64_t days = unixTime / 86400, seconds = unixTime % 86400;
  // Days to a civil date (proleptic Gregorian calendar).
  const int64_t z = days + 719468, era = z / 146097, doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2);
  if (year < 1980 || year > 2107) return 0;
  const uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
  const uint32_t time = static_cast<uint32_t>(seconds / 3600 << 11 | seconds / 60 % 60 << 5 |
                                              seconds % 60 / 2);
  return date << 16 | time;
}

std::string PathText(std::string text) {
  std::replace(text.begin(), text.end(), static_cast<char>(kFolderSeparator), '/');
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

struct Header {
  ArchiveEntry Entry;
  std::string Name;
  std::string Folder;
  int64_t Next = 0;  // where the next header starts
};

// The extended headers from at on, the first `size` bytes long; false
// when one runs past the file. Level 1 counts them in the packed size.
bool ReadExtended(ByteSource& file, int64_t at, uint16_t size, Header* h, int64_t* total) {
  *total = 0;
  std::vector<uint8_t> data;
  while (size != 0) {
    if (size < 3) return false;
    data.resize(size);
    if (file.ReadAt(at, data.data(), size) != size) return false;
    const uint8_t type = data[0];
    const size_t sizeBytes = 2;
    const char* body = reinterpret_cast<const char*>(data.data() + 1);
    const size_t length = size - 1 - sizeBytes;
    if (type == kExtName) h->Name.assign(body, length);
    if (type == kExtFolder) h->Folder.assign(body, length);
    if (type == kExtDosAttributes && length >= 2) h->Entry.Attributes = Le16(data.data() + 1);
    if (type == kExtUnixMode && length >= 2) {
      h->Entry.Attributes = Le16(data.data() + 1);
      h->Entry.Flags |= kEntryUnixMode;
    }
    at += size;
    *total += size;
    size = Le16(data.data() + size - sizeBytes);
  }
  return true;
}

// The header at `at`; false at the end mark or when it is not sound.
bool ReadHeader(ByteSource& file, int64_t at, ArchiveListing* listing, Header* h) {
  uint8_t f[kLevel2Bytes];
  const size_t got = file.ReadAt(at, f, sizeof f);
  if (got < kFixedBytes || f[0] == 0 || !IsMethod(f + 2)) return false;
  const uint8_t level = f[20];
  ArchiveEntry& e = h->Entry;
  e.Packed = Le32(f + 7);
  e.Size = Le32(f + 11);
  e.Flags = kEntryCrc16;
  const std::string method(reinterpret_cast<const char*>(f + 2), 5);
  if (method == "-lhd-") e.Flags |= kEntryFolder;
  e.Method = listing->MethodIndex(method);
  int64_t extended = 0;
  if (level == 0 || level == 1) {
    const int64_t headerBytes = int64_t{f[0]} + 2;
    const uint8_t nameLength = f[21];
    if (kFixedBytes + nameLength + 2 > headerBytes) return false;
    std::vector<uint8_t> rest(static_cast<size_t>(headerBytes - kFixedBytes));
    if (file.ReadAt(at + kFixedBytes, rest.data(), rest.size()) != rest.size()) return false;
    e.DosTime = uint32_t{Le16(f + 17)} << 16 | Le16(f + 15);
    e.Attributes = f[19];
    h->Name.assign(reinterpret_cast<const char*>(rest.data()), nameLength);
    e.Crc = Le16(rest.data() + nameLength);
    int64_t dataAt = at + headerBytes;
    if (level == 1) {
      if (headerBytes < kFixedBytes + nameLength + 5) return false;
      const uint16_t first = Le16(rest.data() + rest.size() - 2);
      if (!ReadExtended(file, dataAt, first, h, &extended)) return false;
      if (extended > static_cast<int64_t>(e.Packed)) return false;
      e.Packed -= static_cast<uint64_t>(extended);
    }
    h->Next = dataAt + extended + static_cast<int64_t>(e.Packed);
  } else if (level == 2) {
    if (got < kLevel2Bytes) return false;
    const int64_t headerBytes = Le16(f);
    e.DosTime = DosTimeOf(Le32(f + 15));
    e.Crc = Le16(f + 21);
    if (!ReadExtended(file, at + kLevel2Bytes, Le16(f + 24), h, &extended)) return false;
    if (kLevel2Bytes + extended > headerBytes) return false;
    h->Next = at + headerBytes + static_cast<int64_t>(e.Packed);
  } else {
    return false;
  }
  if (h->Next <= at) return false;
  if (!(e.Flags & kEntryUnixMode) && (e.Attributes & 0x10)) e.Flags |= kEntryFolder;
  return true;
}
}  // namespace

bool ReadLzhListing(ByteSource& file, ArchiveListing* listing) {
  *listing = {};
  listing->Kind = ArchiveKind::Lzh;
  int64_t at = 0;
  while (at < file.Size()) {
    Header h;
    if (!ReadHeader(file, at, listing, &h)) break;
    std::string name = PathText(h.Folder);
    if (!name.empty() && name.back() != '/') name += '/';
    name += PathText(h.Name);
    if (!listing->Add(h.Entry, name)) break;
    at = h.Next;
  }
  listing->Claimed = listing->Entries.size();
  return !listing->Entries.empty();
}
