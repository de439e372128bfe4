// The page index: the offsets of the viewed file's pages, found by a scan
// that runs in chunks between the user's messages and written to a
// temporary file, where Go To looks them up (also while the scan goes on).
//
// The index file: a header {"TRX" 0x1A, page count} of two 32-bit words,
// then record k at byte 8 * k for pages 1 ... count: the low 32 bits of the
// page's offset, then its high 32 bits (so files below 2 GiB give the same
// bytes as an index of 32-bit offsets with a reserved zero word). The count
// is 0 while the scan runs and written when it completes.
//
// Everything goes through the file seam; the program adds the messages, the
// timer and how many chunks one tick scans (page_index_requests.h).
#pragma once
#include <cstdint>
#include <memory>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/file_ref.h"

enum PageIndexState : int32_t { PG_NEVER = 0, PG_IDLE = 1, PG_ACTIVE = 2, PG_DONE = 3 };

// Records are written in batches of this many (and when the scan completes):
// a write for every chunk would cost more than scanning it.
constexpr int32_t kPendingRecords = 512;

struct PageIndex {
  int32_t State = PG_NEVER;
  char IndexPath[kFilePathChars + 1] = "";  // empty: no index file
  // What a start that could not make the index file tried, for the message.
  char TriedPath[kFilePathChars + 1] = "";
  FileHandle IndexFile = kNoFile;
  FileHandle SourceFile = kNoFile;  // the viewed file, opened again for the scan
  FileOffset ScanPosition = 0;      // the next byte to scan
  FileOffset SourcePosition = -1;   // where SourceFile stands; -1 when not known
  int32_t PageCount = 0;            // pages found so far; 1 as soon as a scan starts
  uint8_t ByteBefore = 0;           // the byte before ScanPosition (a line end ends a chunk)
  // The offsets of pages PageCount - PendingCount + 1 ... PageCount, found
  // and not yet written; lookups take them from here.
  FileOffset Pending[kPendingRecords] = {};
  int32_t PendingCount = 0;
  std::unique_ptr<uint8_t[]> Buffer;
  int32_t BufferBytes = 0;
};

extern PageIndex gPageIndex;

// What went wrong, so the program can say it; kNone when nothing did.
enum class PageIndexError {
  kNone,
  // Start: the index state is left idle with no files.
  kCannotCreateIndex,
  kNoBuffer,
  kCannotOpenSource,
  kCannotWriteHeader,
  // Chunk: the scan stops idle; the index file stays with its records.
  kSeekFailed,
  kReadFailed,
  kRecordWriteFailed,
  kHeaderSeekFailed,
  kHeaderUpdateFailed,
};

// Starts a scan of the file at path with a buffer of bufferBytes (kept from
// an earlier start when it has that size). On failure everything is closed,
// deleted and freed again.
PageIndexError PageIndexStart(PageIndex& index, const char* path, int32_t bufferBytes);
// Scans the next chunk (state PG_ACTIVE); a chunk shorter than the buffer
// completes the index (PG_DONE): the records still pending are written and
// the page count goes into the header.
PageIndexError PageIndexChunk(PageIndex& index);
// A completed scan (PG_DONE) goes on from where it ended, over the part
// that a growing file has added since: PG_ACTIVE again. Other states are
// left as they are; false when the file cannot be opened again.
bool PageIndexResume(PageIndex& index, const char* path);
// Closes both files, deletes the index file, no pages: PG_IDLE.
void PageIndexReset(PageIndex& index);
// Reset, and the buffer freed.
void PageIndexClose(PageIndex& index);

// The page count Go To offers: the pages found so far while the scan runs
// or once it completed, with the index file open; else -1.
int32_t PageIndexAvailablePages(const PageIndex& index);

constexpr FileOffset kPageOutOfRange = -1;  // below 1 or above the count
constexpr FileOffset kPageNoIndex = -2;
constexpr FileOffset kPageReadFailed = -3;  // seek or read error
constexpr FileOffset kPageCorrupted = -4;   // the header's magic is wrong
// The offset of page's first byte. A knownCount of 0 takes the count from the
// file's header.
FileOffset PageIndexLookup(const PageIndex& index, int32_t page, int32_t knownCount);
