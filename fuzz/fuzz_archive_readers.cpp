// The archive viewer's ZIP and LZH readers on any bytes: every entry's name
// lies within the names block, no more entries are listed than their
// records could take bytes of the file, and the grid formats, totals and
// sorts whatever was listed; the sanitizers catch any stray access.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/archives/formats/archive_grid.h"
#include "viewers/archives/formats/lzh_reader.h"
#include "viewers/archives/formats/zip_reader.h"

namespace {
constexpr size_t kSmallestZipRecord = 46, kSmallestLzhHeader = 22;

void Check(ArchiveListing listing, size_t fileSize, size_t smallestRecord, uint8_t sortColumn) {
  if (listing.Entries.size() > fileSize / smallestRecord) std::abort();
  for (const ArchiveEntry& e : listing.Entries) {
    if (uint64_t{e.NameOffset} + e.NameLength > listing.Names.size()) std::abort();
    if (e.Method >= listing.Methods.size()) std::abort();
  }
  ArchiveGrid grid(std::move(listing));
  grid.SortBy(sortColumn % kArchiveColumns);
  for (uint32_t row = 0; row < grid.RowCount(); ++row)
    for (size_t c = 0; c < grid.ColumnCount(); ++c) grid.Cell(row, c);
  grid.FooterLine();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  ByteSource file("f");
  const uint8_t sortColumn = size ? data[0] : 0;
  ArchiveListing listing;
  if (ReadZipListing(file, &listing))
    Check(std::move(listing), size, kSmallestZipRecord, sortColumn);
  if (ReadLzhListing(file, &listing))
    Check(std::move(listing), size, kSmallestLzhHeader, sortColumn);
  return 0;
}
