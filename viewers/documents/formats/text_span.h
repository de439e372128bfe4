// Documents whose text lies in one run of the file, between bounds their
// header gives; the bytes of the run are plain text with CR LF (or CR, LF,
// a page break) between paragraphs.
#pragma once
#include <cstdint>

#include "viewers/graphics/formats/byte_source.h"

class ParagraphBuilder;

struct TextSpan {
  int64_t Start = 0;
  int64_t End = 0;
};

// The text bounds of the header, cut to the file; nothing when the header
// is not one of the kind.
bool HeaderedSpan(ByteSource& file, int type, TextSpan& span);  // types 4, 19, 26
void ReadSpanText(ByteSource& file, const TextSpan& span, ParagraphBuilder& text);
