// The recent-files and recent-search lists and their profile keys.
#pragma once

// Moves an entry to the front of a list of fixed-size slots. index >= 0 names
// the entry (copied into item); index < 0 looks item up (case-sensitive), and
// when it is absent the last slot is given up. Returns the length of item.
int PromoteRecent(char* slots, int slotCount, int slotSize, int index, char* item);

// Number of leading non-empty recent-files slots.
int CountRecentFiles();
// Reads "MRU Files" into the recent-files list (compacting empty entries).
void ReadRecentFiles();
// Reads one search list ("Text" or "Hex") of "MRU Search"; returns its count.
int ReadRecentList(const char* name, char (*slots)[33]);
void SaveRecentSearches();
void SaveRecentFiles();
