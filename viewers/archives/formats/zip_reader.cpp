#include "viewers/archives/formats/zip_reader.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr int64_t kEndBytes = 22;
constexpr int64_t kZip64EndBytes = 56;
constexpr int64_t kLocatorBytes = 20;
constexpr int64_t kCentralBytes = 46;
constexpr int64_t kLongestComment = 65535;
constexpr uint32_t kUnset32 = 0xFFFFFFFF;
constexpr uint16_t kZip64ExtraId = 0x0001;
constexpr uint16_t kAesExtraId = 0x9901;
constexpr uint8_t kHostUnix = 3, kHostMac = 19;
constexpr uint16_t kFlagEncrypted = 1, kFlagUtf8 = 1 << 11;
constexpr uint32_t kDosFolder = 0x10;

uint64_t Le64(const uint8_t* p) { return Le32(p) | uint64_t{Le32(p + 4)} << 32; }

// What the end records say about the directory.
struct Directory {
  int64_t EndAt = 0;  // the first end record (ZIP64's when there is one)
  uint64_t Entries = 0;
  uint64_t Size = 0;
  uint64_t Offset = 0;
  std::string Comment;
};

// The end record nearest the file's end whose comment ends within the file.
bool FindEndRecord(ByteSource& file, Directory* dir) {
  const int64_t tailStart = std::max<int64_t>(0, file.Size() - kEndBytes - kLongestComment);
  std::vector<uint8_t> tail(static_cast<size_t>(file.Size() - tailStart));
  tail.resize(file.ReadAt(tailStart, tail.data(), tail.size()));
  for (int64_t i = static_cast<int64_t>(tail.size()) - kEndBytes; i >= 0; --i) {
    const uint8_t* p = tail.data() + i;
    if (Le32(p) != kEndSignature) continue;
    const uint16_t commentLength = Le16(p + 20);
    if (i + kEndBytes + commentLength > static_cast<int64_t>(tail.size())) continue;
    dir->EndAt = tailStart + i;
    dir->Entries = Le16(p + 10);
    dir->Size = Le32(p + 12);
    dir->Offset = Le32(p + 16);
    dir->Comment.assign(reinterpret_cast<const char*>(p + kEndBytes), commentLength);
    return true;
  }
  return false;
}

// The ZIP64 end record, found through its locator just before the end
// record: where the locator says, or else just before the locator (where
// it lies when the archive follows other bytes).
void ReadZip64End(ByteSource& file, Directory* dir) {
  uint8_t locator[kLocatorBytes];
  const int64_t locatorAt = dir->EndAt - kLocatorBytes;
  if (locatorAt < 0 || file.ReadAt(locatorAt, locator, sizeof locator) != sizeof locator ||
      Le32(locator) != kZip64LocatorSignature)
    return;
  const uint64_t said = Le64(locator + 8);
  for (int64_t at : {static_cast<int64_t>(std::min<uint64_t>(said, INT64_MAX)),
                     locatorAt - kZip64EndBytes}) {
    uint8_t end[kZip64EndBytes];
    if (at < 0 || file.ReadAt(at, end, sizeof end) != sizeof end ||
        Le32(end) != kZip64EndSignature)
      continue;
    dir->EndAt = at;
    dir->Entries = Le64(end + 32);
    dir->Size = Le64(end + 40);
    dir->Offset = Le64(end + 48);
    return;
  }
}

bool CentralRecordAt(ByteSource& file, int64_t at) {
  uint8_t signature[4];
  return at >= 0 && file.ReadAt(at, signature, 4) == 4 && Le32(signature) == kCentralSignature;
}

// Where the directory starts: just before the end record when a record
// starts there (the offsets then count from a later start of the
// archive), else where the end record says; -1 when neither holds one.
int64_t DirectoryStart(ByteSource& file, const Directory& dir, int64_t* shift) {
  const int64_t said = static_cast<int64_t>(std::min<uint64_t>(dir.Offset, INT64_MAX));
  if (dir.Size <= static_cast<uint64_t>(dir.EndAt)) {
    const int64_t found = dir.EndAt - static_cast<int64_t>(dir.Size);
    if (CentralRecordAt(file, found)) {
      *shift = found - said;
      return found;
    }
  }
  *shift = 0;
  return CentralRecordAt(file, said) ? said : -1;
}

std::string MethodName(uint16_t method) {
  switch (method) {
    case 0: return "Stored";
    case 1: return "Shrunk";
    case 2: case 3: case 4: case 5: return "Reduced";
    case 6: return "Imploded";
    case 8: return "Deflated";
    case 9: return "Deflate64";
    case 12: return "BZip2";
    case 14: return "LZMA";
    case 93: return "Zstandard";
    case 95: return "XZ";
    case 98: return "PPMd";
  }
  char text[16];
  std::snprintf(text, sizeof text, "Method %u", method);
  return text;
}

// The 64-bit sizes of the ZIP64 field and the real method of an AES
// encrypted entry, from the record's extra fields.
void ReadExtraFields(const std::vector<uint8_t>& extra, ArchiveEntry* e, uint16_t* method) {
  size_t at = 0;
  while (at + 4 <= extra.size()) {
    const uint16_t id = Le16(&extra[at]);
    const size_t length = std::min<size_t>(Le16(&extra[at + 2]), extra.size() - at - 4);
    const uint8_t* data = &extra[at + 4];
    if (id == kZip64ExtraId) {
      size_t used = 0;
      for (uint64_t* field : {&e->Size, &e->Packed}) {
        if (*field != kUnset32 || used + 8 > length) continue;
        *field = Le64(data + used);
        used += 8;
      }
    } else if (id == kAesExtraId && length >= 7) {
      *method = Le16(data + 5);
      e->Flags |= kEntryEncrypted;
    }
    at += 4 + length;
  }
}

// The entry of the record at the file's position (its 46 bytes in h),
// reading its name and extra fields; false when they pass `bound`.
bool ReadEntry(ByteSource& file, const uint8_t* h, int64_t bound, ArchiveListing* listing) {
  const uint16_t nameLength = Le16(h + 28), extraLength = Le16(h + 30), commentLength = Le16(h + 32);
  if (file.Position() + nameLength + extraLength + commentLength > bound) return false;
  std::string name(nameLength, '\0');
  std::vector<uint8_t> extra(extraLength);
  if (file.Read(name.data(), nameLength) != nameLength ||
      file.Read(extra.data(), extraLength) != extraLength)
    return false;
  file.SeekTo(file.Position() + commentLength);
  ArchiveEntry e;
  const uint8_t host = h[5];
  const uint16_t flags = Le16(h + 8);
  uint16_t method = Le16(h + 10);
  e.DosTime = uint32_t{Le16(h + 14)} << 16 | Le16(h + 12);
  e.Crc = Le32(h + 16);
  e.Packed = Le32(h + 20);
  e.Size = Le32(h + 24);
  const uint32_t external = Le32(h + 38);
  if (flags & kFlagEncrypted) e.Flags |= kEntryEncrypted;
  if (flags & kFlagUtf8) e.Flags |= kEntryUtf8Name;
  ReadExtraFields(extra, &e, &method);
  if ((host == kHostUnix || host == kHostMac) && (external >> 16)) {
    e.Attributes = external >> 16;
    e.Flags |= kEntryUnixMode;
  } else {
    e.Attributes = external & 0xFF;
  }
  const bool slash = !name.empty() && (name.back() == '/' || name.back() == '\\');
  if (slash || (!(e.Flags & kEntryUnixMode) && (e.Attributes & kDosFolder))) e.Flags |= kEntryFolder;
  e.Method = listing->MethodIndex(MethodName(method));
  return listing->Add(e, name);
}
}  // namespace

bool ReadZipListing(ByteSource& file, ArchiveListing* listing) {
  *listing = {};
  listing->Kind = ArchiveKind::Zip;
  Directory dir;
  if (!file.IsOpen() || !FindEndRecord(file, &dir)) return false;
  listing->Comment = dir.Comment;
  if (dir.Entries == 0xFFFF || dir.Size == kUnset32 || dir.Offset == kUnset32)
    ReadZip64End(file, &dir);
  listing->Claimed = dir.Entries;
  if (dir.Entries == 0) return true;
  const int64_t start = DirectoryStart(file, dir, &listing->Shift);
  if (start < 0) return false;
  // Records end before the end record; each takes at least kCentralBytes.
  const int64_t bound = start < dir.EndAt ? dir.EndAt : file.Size();
  const uint64_t fits = static_cast<uint64_t>(bound - start) / kCentralBytes;
  file.SeekTo(start);
  uint8_t h[kCentralBytes];
  for (uint64_t i = 0; i < std::min(dir.Entries, fits); ++i) {
    if (file.Read(h, sizeof h) != sizeof h || Le32(h) != kCentralSignature) break;
    if (!ReadEntry(file, h, bound, listing)) break;
  }
  return !listing->Entries.empty();
}
