// An archive's listing as the grid shows it: one row per entry with its
// name (with its folder), size, packed size, ratio, method, date and time,
// check value, attributes and whether it is encrypted; a total line and
// the archive's comment under the last row. Cells are formatted when the
// grid asks for them; a sort keeps one row number per entry.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "viewers/archives/formats/archive_listing.h"
#include "viewers/common/formats/grid_source.h"

// Turns stored name or comment bytes into the text shown: UTF-8 when utf8,
// else the OEM code page. Without one the bytes are shown as they are.
using NameDecoder = std::string (*)(std::string_view bytes, bool utf8);

enum ArchiveColumn : size_t {
  kColumnName, kColumnSize, kColumnPacked, kColumnRatio, kColumnMethod,
  kColumnModified, kColumnCrc, kColumnAttributes, kColumnEncrypted, kArchiveColumns
};

class ArchiveGrid : public GridSource {
 public:
  explicit ArchiveGrid(ArchiveListing listing, NameDecoder decode = nullptr);
  size_t ColumnCount() const override { return kArchiveColumns; }
  GridColumn Column(size_t column) const override;
  uint32_t RowCount() const override { return static_cast<uint32_t>(listing_.Entries.size()); }
  std::string Cell(uint32_t row, size_t column) override;
  std::string FooterLine() override;
  bool SortBy(size_t column) override;
  const ArchiveListing& Listing() const { return listing_; }

 private:
  const ArchiveEntry& EntryOf(uint32_t row) const;
  std::string Shown(std::string_view bytes, bool utf8) const;

  ArchiveListing listing_;
  NameDecoder decode_;
  std::vector<uint32_t> order_;  // entry of each row once sorted; empty in the file's order
  size_t sortedBy_ = kArchiveColumns;
  unsigned nameWidth_ = 4;
};
