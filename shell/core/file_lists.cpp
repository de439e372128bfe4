#include "shell/core/file_lists.h"

#include <algorithm>
#include <cstring>

#include "common/text_copy.h"

int PrependPaths(ListPath* list, int count, const ListPath* paths, int n) {
  n = std::clamp(n, 0, kMaxListFiles);
  int kept = std::clamp(std::min(count, kMaxListFiles - n), 0, kMaxListFiles);
  // Move the old entries that stay back first, from the last one down.
  for (int i = kept - 1; i >= 0; --i) std::memmove(list[n + i], list[i], kListPathChars);
  for (int i = 0; i < n; ++i) CopyText(list[i], kListPathChars, paths[i]);
  return n + kept;
}

int LeadingPaths(const ListPath* slots) {
  int k = 0;
  while (k < kMaxListFiles && slots[k][0] != '\0') ++k;
  return k;
}

bool StoreInFirstEmpty(ListPath* slots, const char* path) {
  for (int i = 0; i < kMaxListFiles; ++i) {
    if (slots[i][0] == '\0') {
      CopyText(slots[i], kListPathChars, path);
      return true;
    }
  }
  return false;
}
