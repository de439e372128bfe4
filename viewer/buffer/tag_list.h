// The tag list: tagged places of the viewed file as a sorted array of file
// offsets with the kinds of tag each carries. It lives in a fixed block of
// kTagCapacity entries and one slot past them kept for a sentinel.
#pragma once
#include <cstdint>

#include "viewer/buffer/line_table.h"

struct TagEntry {
  FileOffset Offset;
  int32_t Kinds;
};
static_assert(sizeof(TagEntry) == 16, "a tag entry is a 64-bit offset and its kinds, 8-aligned");

constexpr int32_t TAG_FOUND = 1;  // made by Mark All
constexpr int32_t TAG_USER = 2;   // made by the Mark commands

constexpr int16_t kTagCapacity = 8190;
constexpr int32_t kTagListBlockBytes = (kTagCapacity + 1) * sizeof(TagEntry);

// Entries points into the locked block (at least kTagCapacity + 1 slots);
// Count persists while the block is unlocked.
struct TagList {
  TagEntry* Entries = nullptr;
  int16_t Count = 0;
};

// Index of the entry for offset (kinds OR-ed into an existing one), or -1
// when the list is full.
int TagAdd(TagList& list, FileOffset offset, int32_t kinds);
// The same for offsets that come in ascending order, as Mark All's do: the
// place is looked for from the end, so an offset beyond every entry is
// appended at once and one before a few later entries (user marks) moves
// only those.
int TagAddAscending(TagList& list, FileOffset offset, int32_t kinds);
// Removes the entries with offsets in [min(a, b), max(a, b)]; returns how
// many.
int TagRemoveRange(TagList& list, FileOffset a, FileOffset b);
// The first tagged offset above offset, or -1.
FileOffset TagNext(TagList& list, FileOffset offset);
// Puts the kinds of the tags into the low four flag bits of the table's
// lines (a tag marks the line it lies in). Returns the number of tags that
// landed on a line whose flags were all zero.
int TagApplyToLines(LineTable& table, TagList& list);
