#include "viewer/navigation/search_state.h"

#include <algorithm>

SearchState gSearch;

FileOffset FindNextStartOffset(const SearchState& search, FileOffset fileSize, FileOffset topOffset,
                               FileOffset selEnd) {
  if (search.NextSearchStart >= fileSize) return 0;
  if (search.NextSearchStart < 0) return std::max(topOffset, selEnd);
  return search.NextSearchStart;
}
