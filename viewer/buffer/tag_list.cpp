#include "viewer/buffer/tag_list.h"

#include <algorithm>
#include <limits>

namespace {
constexpr FileOffset kSentinel = std::numeric_limits<FileOffset>::max();

int16_t ValidCount(const TagList& list) { return std::clamp<int16_t>(list.Count, 0, kTagCapacity); }

// Puts offset at i, the first entry not below it, in a list of count
// entries that has room.
int PlaceAt(TagList& list, int16_t count, int i, FileOffset offset, int32_t kinds) {
  if (i < count && list.Entries[i].Offset == offset) {
    list.Entries[i].Kinds |= kinds;
    return i;
  }
  std::copy_backward(list.Entries + i, list.Entries + count, list.Entries + count + 1);
  list.Entries[i] = TagEntry{offset, kinds};
  list.Count = static_cast<int16_t>(count + 1);
  return i;
}
}  // namespace

int TagAdd(TagList& list, FileOffset offset, int32_t kinds) {
  int16_t count = ValidCount(list);
  if (count >= kTagCapacity) return -1;
  int i = 0;
  while (i < count && list.Entries[i].Offset < offset) ++i;
  return PlaceAt(list, count, i, offset, kinds);
}

int TagAddAscending(TagList& list, FileOffset offset, int32_t kinds) {
  int16_t count = ValidCount(list);
  if (count >= kTagCapacity) return -1;
  int i = count;
  while (i > 0 && list.Entries[i - 1].Offset >= offset) --i;
  return PlaceAt(list, count, i, offset, kinds);
}

int TagRemoveRange(TagList& list, FileOffset a, FileOffset b) {
  int16_t count = ValidCount(list);
  FileOffset lo = std::min(a, b), hi = std::max(a, b);
  int first = 0;
  while (first < count && list.Entries[first].Offset < lo) ++first;
  int last = first;
  while (last < count && list.Entries[last].Offset <= hi) ++last;
  if (last == first) return 0;
  std::copy(list.Entries + last, list.Entries + count, list.Entries + first);
  list.Count = static_cast<int16_t>(count - (last - first));
  return last - first;
}

FileOffset TagNext(TagList& list, FileOffset offset) {
  int16_t count = ValidCount(list);
  list.Entries[count] = TagEntry{kSentinel, 0};
  int i = 0;
  while (list.Entries[i].Offset <= offset && i < count) ++i;
  return i == count ? -1 : list.Entries[i].Offset;
}

int TagApplyToLines(LineTable& table, TagList& list) {
  int16_t count = ValidCount(list);
  list.Entries[count] = TagEntry{kSentinel, 0};
  int landed = 0, t = 0;
  for (int line = table.Afirst; line < table.Alast; ++line) {
    LineEntry& e = table.Entries[line];
    // The line reaches to the next line's start (the end entry's for the
    // last one).
    FileOffset next = table.Entries[line + 1].Offset;
    e.Flags &= ~LF_TAG_MASK;
    while (t < count && list.Entries[t].Offset < e.Offset) ++t;
    while (t < count && list.Entries[t].Offset < next) {
      if ((e.Flags & ~LF_WIDE) == 0) ++landed;
      e.Flags |= list.Entries[t].Kinds & LF_TAG_MASK;
      ++t;
    }
  }
  return landed;
}
