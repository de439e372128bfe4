// The file lists of the viewer windows and the pending paths on their way
// into one: fixed arrays of 25 paths of 260 characters, most recent first.
#pragma once

constexpr int kMaxListFiles = 25;
constexpr int kListPathChars = 260;

using ListPath = char[kListPathChars];

// list becomes the n paths followed by its first count entries, cut to
// kMaxListFiles; returns the new count. paths must not lie inside list.
int PrependPaths(ListPath* list, int count, const ListPath* paths, int n);

// The number of leading non-empty slots of the kMaxListFiles slots.
int LeadingPaths(const ListPath* slots);

// Stores path in the first empty one of the kMaxListFiles slots; false when
// all are used (the path is dropped).
bool StoreInFirstEmpty(ListPath* slots, const char* path);
