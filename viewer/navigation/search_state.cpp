#include "viewer/navigation/search_state.h"

#include <algorithm>

SearchState gSearch;

int32_t FindNextStartOffset(const SearchState& search, int32_t fileSize, int32_t topOffset,
                            int32_t selEnd) {
  if (search.NextSearchStart >= fileSize) return 0;
  if (search.NextSearchStart < 0) return std::max(topOffset, selEnd);
  return search.NextSearchStart;
}
