#include "viewers/documents/formats/document_text.h"

#include "viewers/documents/formats/paragraph_builder.h"
#include "viewers/documents/formats/piece_table_text.h"
#include "viewers/documents/formats/text_span.h"
#include "viewers/documents/formats/wpc_text.h"

namespace {
struct FormatRow {
  int Type;
  const char* Name;
};
// The types read here; SAM (6), 54 42 57 50 (17) and QW (18) documents are
// left to the text viewer, which shows their text as it stands.
constexpr FormatRow kFormats[] = {
    {4, "Word-processor document"}, {5, "WPC document"},    {19, "WPS document"},
    {22, "WPC document"},           {26, "BE AB document"}, {29, "Compound document"},
};

bool ReadAs(const char* path, ByteSource& file, int type, ParagraphBuilder& text) {
  if (type == 29) return ReadPieceTableText(path, text);
  if (type == 5 || type == 22) return ReadWpcText(file, type, text);
  TextSpan span;
  if (!HeaderedSpan(file, type, span)) return false;
  ReadSpanText(file, span, text);
  return true;
}
}  // namespace

bool ReadDocumentText(const char* path, int type, DocumentText& out) {
  out = DocumentText{};
  for (const FormatRow& row : kFormats) {
    if (row.Type != type) continue;
    ByteSource file(path);
    if (!file.IsOpen()) return false;
    bool read;
    {
      ParagraphBuilder text(out.Paragraphs);
      read = ReadAs(path, file, type, text);
    }
    out.FormatName = row.Name;
    return read;
  }
  return false;
}
