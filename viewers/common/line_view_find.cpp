// Find and Go To: the match or offset is shown at the top and its line
// selected. A find goes on from just after the last match; the file is
// searched on disk in bounded windows.
#include <cstring>

#include "viewer/buffer/file_access.h"
#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/hex_text.h"
#include "viewer/navigation/search_conversions.h"
#include "viewer/navigation/search_text_code.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/contract/viewer_messages.h"

namespace {
void SelectTopLine(LineView& v) {
  const LineTable& t = v.Table;
  if (t.Acur < t.Afirst || t.Acur >= t.Alast || (t.Entries[t.Acur].Flags & LF_MESSAGE)) return;
  v.AnchorStart = t.Entries[t.Acur].Offset;
  v.AnchorEnd = t.Entries[t.Acur + 1].Offset;
  SelectLines(v, v.AnchorStart, v.AnchorEnd);
}

// The Unicode code the file is shown in, or ANSI.
int CodeOf(const LineView& v) { return UnicodeCodeOf(v.Kind.Flags); }

// The bytes to look for; 0 when there are none. Typed text is ANSI.
int PatternOf(const LineView& v, const char* text, uint8_t* pattern, int capacity) {
  if (v.Kind.FindsHexDigits) {
    int n = ParseHexText(text, pattern, capacity);
    return n > capacity ? 0 : n;
  }
  int n = static_cast<int>(strnlen(text, capacity + 1));
  if (n > capacity) return 0;
  if (CodeOf(v) != CODE_ANSI) {
    BindSearchConversions();
    return TypedTextToFileCode(std::string_view(text, n), CodeOf(v), pattern, capacity);
  }
  std::memcpy(pattern, text, n);
  return n;
}
}  // namespace

LRESULT OnFind(LineView& v, bool matchCase, const char* text) {
  uint8_t pattern[256];
  int length = text && v.Open ? PatternOf(v, text, pattern, sizeof pattern) : 0;
  if (length <= 0) return kFindNoMatch;
  if (FileOffset now = QueryFileSize(v.File.Path); now > 0) v.File.Flen = now;
  const uint16_t flags = SF_TEXT | ((matchCase || v.Kind.FindsHexDigits) ? SF_CASE : 0) |
                        (v.Kind.FindsHexDigits ? 0 : SearchCodeFlag(CodeOf(v)));
  FileOffset found = FindBytes(v.File, v.FindFrom, length, pattern, flags);
  if (found < 0) {
    bool before = v.FindFrom > 0 && FindBytes(v.File, 0, length, pattern, flags) >= 0;
    return before ? kFindNoFurther : kFindNoMatch;
  }
  v.FindFrom = found + 1;
  ShowOffset(v, found);
  SelectTopLine(v);
  return 1;
}

void OnGoTo(LineView& v, FileOffset offset) {
  if (!v.Open) return;
  ShowOffset(v, offset);
  SelectTopLine(v);
}
