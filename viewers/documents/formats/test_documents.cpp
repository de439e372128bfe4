#include "viewers/documents/formats/test_documents.h"

#include "viewers/compound/formats/test_compound.h"

namespace {
void Le(DocumentBytes& out, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> 8 * i));
}
void Put(DocumentBytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

// A code that carries its length: code, subcode, length, body, length,
// (subcode,) code; version 0 counts the bytes after the head, version 2
// the whole code.
void Variable(DocumentBytes& out, uint8_t code, bool sixth) {
  const DocumentBytes body = {'X', 'Y', 0x0A, 0xCC};  // bytes that would read as text or returns
  const uint32_t length = static_cast<uint32_t>(sixth ? 4 + body.size() + 3 : body.size() + 4);
  out.push_back(code), out.push_back(1);
  Le(out, length, 2);
  out.insert(out.end(), body.begin(), body.end());
  Le(out, length, 2);
  if (!sixth) out.push_back(1);
  out.push_back(code);
}
}  // namespace

DocumentBytes MakeBeAbDocument(const Paragraphs& paragraphs) {
  DocumentBytes out(128, 0);
  out[0] = 0x31, out[1] = 0xBE, out[5] = 0xAB;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    if (i) Put(out, "\r\n");
    Put(out, paragraphs[i]);
  }
  const uint32_t end = static_cast<uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[14 + i] = static_cast<uint8_t>(end >> 8 * i);
  out.resize(out.size() + 128, 0);  // formatting after the text
  return out;
}

DocumentBytes MakeWpcDocument(const Paragraphs& paragraphs, bool sixth) {
  DocumentBytes out = {0xFF, 'W', 'P', 'C'};
  Le(out, 16 + 8, 4);
  out.push_back(1), out.push_back(0x0A), out.push_back(sixth ? 2 : 0), out.push_back(0);
  out.resize(24, 0);
  for (const std::string& p : paragraphs) {
    out.push_back(0x85);  // a single-byte code
    if (sixth)
      out.insert(out.end(), {0xF2, 7, 0xF2});  // fixed length
    else
      out.insert(out.end(), {0xC3, 7, 0xC3});
    Variable(out, sixth ? 0xD4 : 0xD0, sixth);
    bool soft = false;
    for (char c : p) {
      if (c == ' ' && (soft = !soft))
        out.push_back(sixth ? 0xCF : 0x0D);
      else if (c == '\t' && sixth)
        Variable(out, 0xE0, true);
      else if (c == '\t')
        out.insert(out.end(), {0xC1, 0, 0, 0, 0, 0, 0, 0, 0xC1});
      else
        out.push_back(static_cast<uint8_t>(c));
    }
    out.push_back(sixth ? 0xCC : 0x0A);
  }
  return out;
}

PieceTableStreams MakePieceTableStreams(const Paragraphs& paragraphs) {
  std::string text;
  for (const std::string& p : paragraphs) text += p + '\r';
  const uint32_t half = static_cast<uint32_t>(text.size() / 2);
  DocumentBytes main(0x400, 0);
  main[0] = 0xEC, main[1] = 0xA5, main[0x0B] = 0x02;  // the table is "1Table"
  for (int i = 0; i < 4; ++i) main[0x4C + i] = static_cast<uint8_t>(text.size() >> 8 * i);
  const uint32_t eightAt = static_cast<uint32_t>(main.size());
  main.insert(main.end(), text.begin(), text.begin() + half);
  const uint32_t wideAt = static_cast<uint32_t>(main.size());
  for (size_t i = half; i < text.size(); ++i) Le(main, static_cast<uint8_t>(text[i]), 2);

  DocumentBytes table(16, 0);  // something before the piece table
  const uint32_t clxAt = static_cast<uint32_t>(table.size());
  table.insert(table.end(), {1, 2, 0, 0xAA, 0xBB});  // shared formatting, skipped
  table.push_back(2);
  Le(table, 3 * 4 + 2 * 8, 4);
  Le(table, 0, 4), Le(table, half, 4), Le(table, static_cast<uint32_t>(text.size()), 4);
  Le(table, 0, 2), Le(table, (eightAt * 2) | 0x40000000, 4), Le(table, 0, 2);
  Le(table, 0, 2), Le(table, wideAt, 4), Le(table, 0, 2);
  const uint32_t clxLength = static_cast<uint32_t>(table.size() - clxAt);
  for (int i = 0; i < 4; ++i) {
    main[0x1A2 + i] = static_cast<uint8_t>(clxAt >> 8 * i);
    main[0x1A6 + i] = static_cast<uint8_t>(clxLength >> 8 * i);
  }
  return {std::string(main.begin(), main.end()), std::string(table.begin(), table.end())};
}

DocumentBytes MakePieceTableDocument(const Paragraphs& paragraphs) {
  const PieceTableStreams streams = MakePieceTableStreams(paragraphs);
  const std::string file =
      MakeCompound({{"WordDocument", streams.WordDocument}, {"1Table", streams.Table}}).Bytes;
  return DocumentBytes(file.begin(), file.end());
}
