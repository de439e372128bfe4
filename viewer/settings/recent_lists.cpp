#include "viewer/settings/recent_lists.h"

#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

namespace {
constexpr char kFilesSection[] = "MRU Files";
constexpr char kSearchSection[] = "MRU Search";

void SaveSearchList(const char* name, const char (*slots)[kRecentSearchSlotSize], int count) {
  if (count < 0) return;  // never loaded in this run: the stored list stays
  char key[16];
  std::snprintf(key, sizeof key, "%ss", name);
  Profile().WriteInt(kSearchSection, key, count);
  for (int i = 0; i < count && i < kRecentSearchSlots; ++i) {
    std::snprintf(key, sizeof key, "%s%d", name, i + 1);
    Profile().WriteString(kSearchSection, key, slots[i]);
  }
}
}  // namespace

int PromoteRecent(char* slots, int slotCount, int slotSize, int index, char* item) {
  if (slotCount <= 0 || slotSize <= 0) return 0;
  int chosen;
  if (index >= 0) {
    chosen = index < slotCount ? index : slotCount - 1;
    CopyText(item, slotSize, slots + chosen * slotSize);
  } else {
    chosen = slotCount - 1;
    for (int i = 0; i < slotCount; ++i) {
      if (std::strcmp(slots + i * slotSize, item) == 0) {
        chosen = i;
        break;
      }
    }
  }
  std::memmove(slots + slotSize, slots, static_cast<size_t>(chosen) * slotSize);
  CopyText(slots, slotSize, item);
  return static_cast<int>(std::strlen(item));
}

int CountRecentFiles() {
  int n = 0;
  while (n < kRecentFileSlots && gRecent.Files[n][0]) ++n;
  return n;
}

void ReadRecentFiles() {
  gRecent.FileCount = 0;
  if (!gSetupSettings.MruFiles) return;
  for (int i = 1; i <= kRecentFileSlots; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "File%d", i);
    char* slot = gRecent.Files[gRecent.FileCount];
    if (Profile().GetString(kFilesSection, key, "", slot, kRecentFileSlotSize) > 0)
      ++gRecent.FileCount;
  }
  for (int i = gRecent.FileCount; i < kRecentFileSlots; ++i) gRecent.Files[i][0] = '\0';
}

int ReadRecentList(const char* name, char (*slots)[kRecentSearchSlotSize]) {
  char key[16];
  std::snprintf(key, sizeof key, "%ss", name);
  int count = Profile().GetInt(kSearchSection, key, 0);
  if (count > kRecentSearchSlots) count = kRecentSearchSlots;
  for (int i = 0; i < count; ++i) {
    std::snprintf(key, sizeof key, "%s%d", name, i + 1);
    Profile().GetString(kSearchSection, key, "", slots[i], kRecentSearchSlotSize);
  }
  return count;
}

void SaveRecentSearches() {
  if (gSetupSettings.ProfileReadOnly || !gSetupSettings.MruSearch) return;
  SaveSearchList("Text", gRecent.Texts, gRecent.TextCount);
  SaveSearchList("Hex", gRecent.Hex, gRecent.HexCount);
}

void SaveRecentFiles() {
  if (gSetupSettings.ProfileReadOnly || !gSetupSettings.MruFiles) return;
  for (int i = 0; i < gRecent.FileCount && i < kRecentFileSlots; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "File%d", i + 1);
    Profile().WriteString(kFilesSection, key, gRecent.Files[i]);
  }
}
