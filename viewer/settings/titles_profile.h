// Frozen title lines in the profile: "Titles" holds the count, "Title%d" the
// texts (at most 512 characters each).
#pragma once
#include "viewer/buffer/line_table.h"

// False, changing nothing, when the section is empty or the table or arena
// has no capacity.
bool ReadTitles(const char* section, LineTable* table, TextArena* arena);
// Number of title lines in a table (entries before the terminating one).
int CountTitles(const LineTable* table);
void SaveTitles(const char* section, const LineTable* table, const TextArena* arena);
