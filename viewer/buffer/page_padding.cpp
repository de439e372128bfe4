#include "viewer/buffer/page_padding.h"

#include <algorithm>

namespace {
bool IsBlank(const LineEntry& e, const char* base) {
  for (int32_t i = 0; i < e.Length; ++i) {
    char ch = base[e.TextOffset + i];
    if (ch != ' ' && ch != '\t' && ch != '\f') return false;
  }
  return true;
}

// The end of the file: the last line with text is followed by a page gap,
// so the last page is padded like every other; blank lines after it go.
void CloseLastPage(LineTable& t, const char* base, FileOffset fileSize) {
  if (t.Alast <= t.Afirst || t.Entries[t.Alast].Offset < fileSize) return;
  int last = t.Alast - 1;
  while (last > t.Afirst && IsBlank(t.Entries[last], base)) --last;
  if (last + 2 >= t.Acnt) return;
  t.Entries[last + 1] = LineEntry{fileSize - 1, 0, 0, 0, LF_PAGE_GAP};
  t.Entries[last + 2] = LineEntry{fileSize, 0, -1, 0, 0};
  t.Alast = static_cast<int16_t>(last + 2);
  if (t.Acur > t.Alast) t.Acur = t.Alast;
}
}  // namespace

void PadPages(LineTable& t, const char* base, int32_t pageLength, FileOffset fileSize) {
  if (pageLength <= 0 || !t.Entries || t.Afirst < 0 || t.Alast >= t.Acnt || t.Afirst > t.Alast)
    return;
  CloseLastPage(t, base, fileSize);
  int q = -1;  // line in page; -1 before the first page start
  bool full = false;
  for (int i = t.Afirst; i < t.Alast && !full; ++i) {
    const bool pageStart = (t.Entries[i].Flags & (LF_PAGE_BREAK | LF_PAGE_GAP)) != 0;
    int above = 0;  // blanks put above the top for this page
    while (pageStart && q > 0 && q < pageLength) {
      if (t.Acur < i && t.Alast + 1 >= t.Acnt) {
        full = true;
        break;
      }
      if (t.Acur >= i && above >= i) {
        // Every slot above holds a blank of this page already: more blanks
        // would only replace blanks, so the page is complete as it stands.
        for (int k = 0; k < i; ++k) t.Entries[i - 1 - k].PageLine = pageLength - k;
        q = pageLength;
        break;
      }
      ++q;
      if (t.Acur >= i) {
        ++above;
        // Above the top: the lines above move toward index 0 (the first slot
        // is lost when the table already starts there).
        int from = std::max<int>(t.Afirst, 1);
        std::copy(t.Entries + from, t.Entries + i, t.Entries + from - 1);
        t.Afirst = static_cast<int16_t>(std::max(t.Afirst - 1, 0));
        const FileOffset before = i >= 2 ? t.Entries[i - 2].Offset : t.Entries[i].Offset - 1;
        t.Entries[i - 1] = LineEntry{before + 1, 0, 0, q, 0};
      } else {
        // Below the top: this line and all below move down.
        std::copy_backward(t.Entries + i, t.Entries + t.Alast + 1, t.Entries + t.Alast + 2);
        ++t.Alast;
        t.Entries[i] = LineEntry{t.Entries[i - 1].Offset + 1, 0, 0, q, 0};
        ++i;
      }
    }
    if (full) break;
    LineEntry& e = t.Entries[i];
    if (e.Flags & LF_PAGE_GAP)
      q = 0;
    else if ((e.Flags & LF_PAGE_BREAK) || e.Offset == 0)
      q = 1;
    else if (q >= 0 && q < INT32_MAX)
      ++q;
    e.PageLine = q;
  }
  if (full) {
    t.Entries[t.Acnt - 1].Length = -1;
    t.Alast = static_cast<int16_t>(t.Acnt - 1);
  }
}
