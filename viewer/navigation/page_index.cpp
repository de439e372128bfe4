#include "viewer/navigation/page_index.h"

#include <climits>
#include <new>

#include "common/text_copy.h"
#include "viewer/navigation/page_starts.h"

PageIndex gPageIndex;

namespace {
constexpr uint8_t kMagic[4] = {'T', 'R', 'X', 0x1A};
constexpr int kRecordBytes = 8;

void PutWord(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t GetWord(const uint8_t* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}
void PutRecord(uint8_t* at, FileOffset offset) {
  PutWord(at, static_cast<uint32_t>(offset));
  PutWord(at + 4, static_cast<uint32_t>(static_cast<uint64_t>(offset) >> 32));
}

bool WriteAt(FileHandle file, FileOffset at, const uint8_t* bytes, int32_t n) {
  const FileSystem& fs = Files();
  return fs.Seek(file, at) && fs.Write(file, bytes, n) == n;
}

// Writes the pending records at their own place in the file (a lookup
// between two chunks may have moved the file's position). When that fails
// they stay pending, for lookups.
bool WritePending(PageIndex& index) {
  if (index.PendingCount == 0) return true;
  uint8_t records[kRecordBytes * kPendingRecords];
  for (int32_t i = 0; i < index.PendingCount; ++i)
    PutRecord(records + kRecordBytes * i, index.Pending[i]);
  const int32_t firstPage = index.PageCount - index.PendingCount + 1;
  if (!WriteAt(index.IndexFile, FileOffset{kRecordBytes} * firstPage, records,
               kRecordBytes * index.PendingCount))
    return false;
  index.PendingCount = 0;
  return true;
}

void CloseFile(FileHandle& file) {
  if (file != kNoFile) Files().Close(file);
  file = kNoFile;
}

PageIndexError StartFailed(PageIndex& index, PageIndexError error) {
  PageIndexClose(index);
  return error;
}

// The scan ends idle: the index file stays open with what it holds.
PageIndexError ChunkFailed(PageIndex& index, PageIndexError error) {
  index.State = PG_IDLE;
  CloseFile(index.SourceFile);
  return error;
}
}  // namespace

void PageIndexReset(PageIndex& index) {
  CloseFile(index.SourceFile);
  CloseFile(index.IndexFile);
  if (index.IndexPath[0]) Files().Delete(index.IndexPath);
  index.IndexPath[0] = '\0';
  index.ScanPosition = 0;
  index.SourcePosition = -1;
  index.PageCount = 0;
  index.ByteBefore = 0;
  index.PendingCount = 0;
  index.State = PG_IDLE;
}

void PageIndexClose(PageIndex& index) {
  PageIndexReset(index);
  index.Buffer.reset();
  index.BufferBytes = 0;
}

PageIndexError PageIndexStart(PageIndex& index, const char* path, int32_t bufferBytes) {
  PageIndexReset(index);
  const FileSystem& fs = Files();
  index.IndexFile = fs.CreateTemporary(index.IndexPath);
  if (index.IndexFile == kNoFile) {
    CopyText(index.TriedPath, index.IndexPath);
    index.IndexPath[0] = '\0';  // nothing of ours to delete
    return StartFailed(index, PageIndexError::kCannotCreateIndex);
  }
  if (!index.Buffer || index.BufferBytes != bufferBytes) {
    index.Buffer.reset(bufferBytes > 0 ? new (std::nothrow) uint8_t[bufferBytes]() : nullptr);
    index.BufferBytes = index.Buffer ? bufferBytes : 0;
    if (!index.Buffer) return StartFailed(index, PageIndexError::kNoBuffer);
  }
  index.SourceFile = fs.Open(path);
  if (index.SourceFile == kNoFile) return StartFailed(index, PageIndexError::kCannotOpenSource);
  uint8_t start[2 * kRecordBytes] = {kMagic[0], kMagic[1], kMagic[2], kMagic[3]};
  PutRecord(start + kRecordBytes, 0);
  if (!WriteAt(index.IndexFile, 0, start, sizeof start))
    return StartFailed(index, PageIndexError::kCannotWriteHeader);
  index.PageCount = 1;
  index.State = PG_ACTIVE;
  return PageIndexError::kNone;
}

PageIndexError PageIndexChunk(PageIndex& index) {
  const FileSystem& fs = Files();
  // Chunks are read back to back: only the first one, or one after a failed
  // read, needs a seek.
  if (index.SourcePosition != index.ScanPosition && !fs.Seek(index.SourceFile, index.ScanPosition))
    return ChunkFailed(index, PageIndexError::kSeekFailed);
  index.SourcePosition = -1;
  int32_t n = fs.Read(index.SourceFile, index.Buffer.get(), index.BufferBytes);
  if (n < 0 || n > index.BufferBytes) return ChunkFailed(index, PageIndexError::kReadFailed);
  index.SourcePosition = index.ScanPosition + n;

  bool written = true;
  index.ByteBefore = ForEachPageStart(index.Buffer.get(), static_cast<size_t>(n), index.ByteBefore,
                                      index.ScanPosition, [&](FileOffset offset) {
                                        // The header counts pages in 32 bits.
                                        if (index.PageCount == INT32_MAX) return false;
                                        ++index.PageCount;
                                        index.Pending[index.PendingCount++] = offset;
                                        return index.PendingCount < kPendingRecords ||
                                               (written = WritePending(index));
                                      });
  const bool complete = n < index.BufferBytes;
  if (!written || (complete && !WritePending(index)))
    return ChunkFailed(index, PageIndexError::kRecordWriteFailed);
  index.ScanPosition += n;
  if (!complete) return PageIndexError::kNone;

  index.State = PG_DONE;
  CloseFile(index.SourceFile);
  uint8_t header[kRecordBytes] = {kMagic[0], kMagic[1], kMagic[2], kMagic[3]};
  PutWord(header + 4, static_cast<uint32_t>(index.PageCount));
  if (!fs.Seek(index.IndexFile, 0)) return ChunkFailed(index, PageIndexError::kHeaderSeekFailed);
  if (fs.Write(index.IndexFile, header, sizeof header) != sizeof header)
    return ChunkFailed(index, PageIndexError::kHeaderUpdateFailed);
  return PageIndexError::kNone;
}

bool PageIndexResume(PageIndex& index, const char* path) {
  if (index.State != PG_DONE || index.IndexFile == kNoFile) return true;
  index.SourceFile = Files().Open(path);
  if (index.SourceFile == kNoFile) return false;
  index.SourcePosition = -1;
  index.State = PG_ACTIVE;
  return true;
}

int32_t PageIndexAvailablePages(const PageIndex& index) {
  bool offered = index.State == PG_ACTIVE || index.State == PG_DONE;
  return offered && index.IndexFile != kNoFile ? index.PageCount : -1;
}

FileOffset PageIndexLookup(const PageIndex& index, int32_t page, int32_t knownCount) {
  if (index.IndexFile == kNoFile) return kPageNoIndex;
  if (page < 1) return kPageOutOfRange;
  const FileSystem& fs = Files();
  uint8_t bytes[kRecordBytes];
  if (knownCount == 0) {
    if (!fs.Seek(index.IndexFile, 0) || fs.Read(index.IndexFile, bytes, sizeof bytes) != 8)
      return kPageReadFailed;
    if (GetWord(bytes) != GetWord(kMagic)) return kPageCorrupted;
    knownCount = static_cast<int32_t>(GetWord(bytes + 4));
  }
  if (page > knownCount) return kPageOutOfRange;
  if (index.PendingCount > 0 && page <= index.PageCount) {
    const int32_t firstPending = index.PageCount - index.PendingCount + 1;
    if (page >= firstPending) return index.Pending[page - firstPending];
  }
  if (!fs.Seek(index.IndexFile, FileOffset{kRecordBytes} * page) ||
      fs.Read(index.IndexFile, bytes, sizeof bytes) != 8)
    return kPageReadFailed;
  return static_cast<FileOffset>(GetWord(bytes) | static_cast<uint64_t>(GetWord(bytes + 4)) << 32);
}
