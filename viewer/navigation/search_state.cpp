#include "viewer/navigation/search_state.h"

#include <algorithm>

#include "viewer/buffer/format_flags.h"

SearchState gSearch;

FileOffset FindNextStartOffset(const SearchState& search, FileOffset fileSize, FileOffset topOffset,
                               FileOffset selEnd) {
  if (search.NextSearchStart >= fileSize) return 0;
  if (search.NextSearchStart < 0) return std::max(topOffset, selEnd);
  return search.NextSearchStart;
}

uint16_t SearchCodeFlag(int charCode) {
  switch (charCode) {
    case CODE_UTF8: return SF_UTF8;
    case CODE_UTF16LE: return SF_UTF16LE;
    case CODE_UTF16BE: return SF_UTF16BE;
    default: return 0;
  }
}
