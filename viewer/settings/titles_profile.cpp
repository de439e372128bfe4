#include "viewer/settings/titles_profile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "viewer/settings/program_profile.h"

namespace {
constexpr int kTitleChars = 512;
// The most titles the title table holds, its terminating entry aside.
constexpr int kMostTitles = kTitleTableBlockBytes / static_cast<int>(sizeof(LineEntry)) - 1;
}  // namespace

bool ReadTitles(const char* section, LineTable* table, TextArena* arena) {
  if (!section || !*section || !table || !arena || !table->Entries || !arena->Base ||
      table->Acnt <= 0 || arena->Tlen <= 0)
    return false;
  table->Afirst = table->Acur = table->Alast = 0;
  arena->Tend = 0;
  int count = Profile().GetInt(section, "Titles", 0);
  int read = 0;
  for (int i = 0; i < count; ++i) {
    if (read >= table->Acnt - 1) break;  // the last entry terminates the table
    char key[16], text[kTitleChars + 1];
    std::snprintf(key, sizeof key, "Title%d", i + 1);
    int len = Profile().GetString(section, key, "", text, sizeof text);
    if (len >= arena->Tlen - arena->Tend) break;
    table->Entries[read] = {i, arena->Tend, len, 0, 0};
    std::memcpy(arena->Base + arena->Tend, text, len);
    arena->Tend += len;
    ++read;
  }
  table->Entries[read] = {read, arena->Tend, -1, 0, 0};
  table->Alast = static_cast<int16_t>(read);
  return true;
}

int CountTitles(const LineTable* table) { return table ? table->Alast : 0; }

void SaveTitles(const char* section, const LineTable* table, const TextArena* arena) {
  ProfileStore& p = Profile();
  // Only keys this program can have written are removed: a hostile count
  // in the profile must not cost billions of writes.
  int oldCount = std::clamp(p.GetInt(section, "Titles", 0), 0, kMostTitles);
  int written = 0;
  if (table && arena && table->Entries && arena->Base) {
    for (int i = 0; i < table->Alast; ++i) {
      const LineEntry& e = table->Entries[i];
      char key[16], text[kTitleChars + 1];
      int len = e.Length < kTitleChars ? e.Length : kTitleChars;
      if (len < 0) len = 0;
      std::memcpy(text, arena->Base + e.TextOffset, len);
      text[len] = '\0';
      std::snprintf(key, sizeof key, "Title%d", ++written);
      p.WriteString(section, key, text);
    }
  }
  p.WriteInt(section, "Titles", written);
  for (int n = written + 1; n <= oldCount; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "Title%d", n);
    p.WriteString(section, key, nullptr);
  }
}
