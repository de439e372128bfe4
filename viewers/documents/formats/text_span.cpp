#include "viewers/documents/formats/text_span.h"

#include <algorithm>

#include "viewers/documents/formats/paragraph_builder.h"

namespace {
// Where each kind keeps its bounds: the text's first byte is either a
// fixed offset or read from the header; its end is read from the header.
struct SpanLayout {
  int Type;
  int64_t FixedStart;  // used when StartField is negative
  int StartField;      // offset of a 32-bit start, or -1
  int EndField;        // offset of the 32-bit end (one past the last byte)
};
constexpr SpanLayout kLayouts[] = {
    {26, 128, -1, 14},   // a 128-byte header, the end of text at byte 14
    {4, 0, 0x18, 0x1C},  // first and end of text in the header
    {19, 0x100, -1, 0x26},
};
}  // namespace

bool HeaderedSpan(ByteSource& file, int type, TextSpan& span) {
  for (const SpanLayout& l : kLayouts) {
    if (l.Type != type) continue;
    uint8_t head[0x2A];
    if (file.ReadAt(0, head, sizeof head) < static_cast<size_t>(l.EndField + 4)) return false;
    span.Start = l.StartField < 0 ? l.FixedStart : Le32(head + l.StartField);
    span.End = std::min<int64_t>(Le32(head + l.EndField), file.Size());
    return span.Start <= file.Size();
  }
  return false;
}

void ReadSpanText(ByteSource& file, const TextSpan& span, ParagraphBuilder& text) {
  file.SeekTo(span.Start);
  for (int64_t at = span.Start; at < span.End && !text.Full(); ++at) {
    const int c = file.Get();
    if (c < 0) break;
    text.AddPlain(static_cast<unsigned char>(c));
  }
}
