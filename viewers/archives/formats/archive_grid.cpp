#include "viewers/archives/formats/archive_grid.h"

#include <algorithm>
#include <numeric>

#include "viewers/archives/formats/archive_cells.h"

namespace {
constexpr unsigned kWidestName = 48;

const GridColumn kColumns[kArchiveColumns] = {
    {"Name", 4, GridAlign::Left, true},          {"Size", 12, GridAlign::Right, false},
    {"Packed", 12, GridAlign::Right, false},     {"Ratio", 5, GridAlign::Right, false},
    {"Method", 9, GridAlign::Left, false},       {"Modified", 19, GridAlign::Left, false},
    {"CRC", 8, GridAlign::Left, false},          {"Attributes", 10, GridAlign::Left, false},
    {"Encrypted", 9, GridAlign::Left, false},
};

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool NameBefore(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) {
                                        return static_cast<unsigned char>(Folded(x)) <
                                               static_cast<unsigned char>(Folded(y));
                                      });
}

// Ratio compared as the space saved, before rounding.
bool RatioBefore(const ArchiveEntry& a, const ArchiveEntry& b) {
  const long double ra = a.Size ? 1.0L - static_cast<long double>(a.Packed) / a.Size : 0;
  const long double rb = b.Size ? 1.0L - static_cast<long double>(b.Packed) / b.Size : 0;
  return ra < rb;
}
}  // namespace

ArchiveGrid::ArchiveGrid(ArchiveListing listing, NameDecoder decode)
    : listing_(std::move(listing)), decode_(decode) {
  for (const ArchiveEntry& e : listing_.Entries)
    nameWidth_ = std::max<unsigned>(nameWidth_, std::min<unsigned>(e.NameLength, kWidestName));
}

GridColumn ArchiveGrid::Column(size_t column) const {
  GridColumn c = kColumns[column];
  if (column == kColumnName) c.Width = nameWidth_;
  if (column == kColumnCrc && listing_.Kind == ArchiveKind::Lzh) c.Width = 4;
  return c;
}

const ArchiveEntry& ArchiveGrid::EntryOf(uint32_t row) const {
  return listing_.Entries[order_.empty() ? row : order_[row]];
}

std::string ArchiveGrid::Shown(std::string_view bytes, bool utf8) const {
  return decode_ ? decode_(bytes, utf8) : std::string(bytes);
}

std::string ArchiveGrid::Cell(uint32_t row, size_t column) {
  if (row >= RowCount()) return {};
  const ArchiveEntry& e = EntryOf(row);
  switch (column) {
    case kColumnName: return Shown(listing_.NameOf(e), (e.Flags & kEntryUtf8Name) != 0);
    case kColumnSize: return DecimalText(e.Size);
    case kColumnPacked: return DecimalText(e.Packed);
    case kColumnRatio: return RatioText(e.Size, e.Packed);
    case kColumnMethod: return e.Method < listing_.Methods.size() ? listing_.Methods[e.Method] : "";
    case kColumnModified: return DosTimeText(e.DosTime);
    case kColumnCrc: return CheckText(e);
    case kColumnAttributes: return AttributeText(e);
    case kColumnEncrypted: return (e.Flags & kEntryEncrypted) ? "Yes" : "No";
  }
  return {};
}

std::string ArchiveGrid::FooterLine() {
  uint64_t size = 0, packed = 0;
  for (const ArchiveEntry& e : listing_.Entries) {
    size += e.Size;
    packed += e.Packed;
  }
  std::string footer = "Total: " + DecimalText(listing_.Entries.size()) + " entries, " +
                       DecimalText(size) + " bytes, " + DecimalText(packed) + " packed, " +
                       RatioText(size, packed) + " saved";
  if (listing_.Claimed > listing_.Entries.size())
    footer += " (the archive lists " + DecimalText(listing_.Claimed) +
              " entries; the rest could not be read)";
  if (!listing_.Comment.empty()) {
    std::string comment = Shown(listing_.Comment, false);
    comment.erase(std::remove(comment.begin(), comment.end(), '\r'), comment.end());
    while (!comment.empty() && comment.back() == '\n') comment.pop_back();
    footer += "\nComment: " + comment;
  }
  return footer;
}

bool ArchiveGrid::SortBy(size_t column) {
  if (column >= kArchiveColumns) return false;
  if (order_.empty()) {
    order_.resize(listing_.Entries.size());
    std::iota(order_.begin(), order_.end(), 0u);
  }
  if (column == sortedBy_) {
    std::reverse(order_.begin(), order_.end());
    return true;
  }
  sortedBy_ = column;
  const auto& entries = listing_.Entries;
  auto before = [&](uint32_t a, uint32_t b) {
    const ArchiveEntry &x = entries[a], &y = entries[b];
    switch (column) {
      case kColumnName: return NameBefore(listing_.NameOf(x), listing_.NameOf(y));
      case kColumnSize: return x.Size < y.Size;
      case kColumnPacked: return x.Packed < y.Packed;
      case kColumnRatio: return RatioBefore(x, y);
      case kColumnMethod: return listing_.Methods[x.Method] < listing_.Methods[y.Method];
      case kColumnModified: return x.DosTime < y.DosTime;
      case kColumnCrc: return x.Crc < y.Crc;
      case kColumnAttributes: return x.Attributes < y.Attributes;
      default: return (x.Flags & kEntryEncrypted) < (y.Flags & kEntryEncrypted);
    }
  };
  std::stable_sort(order_.begin(), order_.end(), before);
  return true;
}
