#include "viewers/sheets/formats/biff_reader.h"

#include <algorithm>
#include <cstring>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/sheets/formats/number_format.h"

namespace {

struct Record {
  uint16_t Id = 0;
  const uint8_t* Data = nullptr;
  size_t Length = 0;
};

// The records from an offset on, as far as they lie whole in the stream.
class Records {
 public:
  Records(const std::vector<uint8_t>& s, size_t at) : s_(&s), at_(at) {}
  bool Next(Record* r) {
    const std::vector<uint8_t>& s = *s_;
    if (at_ + 4 > s.size()) return false;
    const size_t length = Le16(&s[at_ + 2]);
    if (at_ + 4 + length > s.size()) return false;
    *r = {Le16(&s[at_]), &s[at_ + 4], length};
    at_ += 4 + length;
    return true;
  }

 private:
  const std::vector<uint8_t>* s_;
  size_t at_;
};

double Double(const uint8_t* p) {
  uint64_t bits = static_cast<uint64_t>(Le32(p)) | static_cast<uint64_t>(Le32(p + 4)) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// A number in 30 bits: a whole number, or the top of a double; either
// perhaps in hundredths.
double Rk(uint32_t rk) {
  double value;
  if (rk & 2) {
    value = static_cast<int32_t>(rk) >> 2;
  } else {
    const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return rk & 1 ? value / 100 : value;
}

const char* ErrorText(uint8_t code) {
  switch (code) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    case 0x2A: return "#N/A";
  }
  return "#ERR";
}

// Characters of the eighth layout's strings: 8-bit (the high byte zero) or
// 16-bit; shown as Latin-1, others as '?'.
std::string Chars(const uint8_t* p, size_t count, bool wide) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    unsigned c = wide ? Le16(p + 2 * i) : p[i];
    text.push_back(c < 256 ? static_cast<char>(c) : '?');
  }
  return text;
}

// A string of the eighth layout at p (n bytes): count, flags, characters;
// lengthBytes 1 or 2. *used: the bytes taken, runs and extensions included.
std::string Unicode(const uint8_t* p, size_t n, int lengthBytes, size_t* used = nullptr) {
  if (n < static_cast<size_t>(lengthBytes) + 1) return {};
  size_t count = lengthBytes == 1 ? p[0] : Le16(p);
  const uint8_t flags = p[lengthBytes];
  size_t at = lengthBytes + 1, runs = 0, extension = 0;
  if (flags & 8 && at + 2 <= n) runs = Le16(p + at), at += 2;
  if (flags & 4 && at + 4 <= n) extension = Le32(p + at), at += 4;
  const bool wide = flags & 1;
  if (count > (n - std::min(at, n)) / (wide ? 2 : 1)) count = (n - std::min(at, n)) / (wide ? 2 : 1);
  std::string text = Chars(p + at, count, wide);
  if (used) *used = at + count * (wide ? 2 : 1) + runs * 4 + extension;
  return text;
}

struct Globals {
  int Version = 0;  // 2, 3, 4, 5 or 8
  std::vector<std::string> Strings;
  std::vector<NumberFormat> CellFormats;  // by XF index
  std::vector<std::pair<uint16_t, NumberFormat>> Formats;
  struct Bound {
    uint32_t Offset;
    std::string Name;
  };
  std::vector<Bound> Sheets;
};

NumberFormat Builtin(unsigned index) {
  switch (index) {
    case 1: return {NumberFormat::Fixed, 0};
    case 2: return {NumberFormat::Fixed, 2};
    case 3: return {NumberFormat::Comma, 0};
    case 4: return {NumberFormat::Comma, 2};
    case 5: case 6: return {NumberFormat::Currency, 0};
    case 7: case 8: return {NumberFormat::Currency, 2};
    case 9: return {NumberFormat::Percent, 0};
    case 10: return {NumberFormat::Percent, 2};
    case 11: return {NumberFormat::Scientific, 2};
    case 14: case 15: case 16: case 17: case 22: return {NumberFormat::DateMDY, 0};
  }
  return {};
}

NumberFormat FormatOf(const Globals& g, unsigned index) {
  for (const auto& f : g.Formats)
    if (f.first == index) return f.second;
  return Builtin(index);
}

// The shared string table: strings one after another across the record and
// its CONTINUE records, each continuation of characters with a flags byte
// of its own.
void ReadStrings(const Record& first, Records& more, Globals& g) {
  std::vector<uint8_t> bytes(first.Data, first.Data + first.Length);
  std::vector<size_t> breaks;
  Record r;
  Records peek = more;
  while (peek.Next(&r) && r.Id == 0x003C) {
    breaks.push_back(bytes.size());
    bytes.insert(bytes.end(), r.Data, r.Data + r.Length);
    more = peek;
  }
  if (bytes.size() < 8) return;
  uint32_t unique = Le32(&bytes[4]);
  size_t at = 8, next = 0;
  while (g.Strings.size() < unique && at + 3 <= bytes.size() && g.Strings.size() < bytes.size()) {
    while (next < breaks.size() && breaks[next] <= at) ++next;
    size_t count = Le16(&bytes[at]);
    uint8_t flags = bytes[at + 2];
    size_t p = at + 3, runs = 0, extension = 0;
    if (flags & 8 && p + 2 <= bytes.size()) runs = Le16(&bytes[p]), p += 2;
    if (flags & 4 && p + 4 <= bytes.size()) extension = Le32(&bytes[p]), p += 4;
    std::string text;
    while (text.size() < count && p < bytes.size()) {
      while (next < breaks.size() && breaks[next] < p) ++next;  // a header ran across a break
      if (next < breaks.size() && p == breaks[next]) {  // characters go on with new flags
        flags = bytes[p++];
        ++next;
        continue;
      }
      const size_t end = next < breaks.size() ? breaks[next] : bytes.size();
      const bool wide = flags & 1;
      size_t n = std::min(count - text.size(), (end - p) / (wide ? 2 : 1));
      if (n == 0) break;
      text += Chars(&bytes[p], n, wide);
      p += n * (wide ? 2 : 1);
    }
    g.Strings.push_back(text);
    at = p + runs * 4 + extension;
    if (text.size() < count) break;
  }
}

void ReadGlobal(const Record& r, Records& more, Globals& g) {
  const uint8_t* d = r.Data;
  const size_t n = r.Length;
  switch (r.Id) {
    case 0x00FC: ReadStrings(r, more, g); break;
    case 0x0085:  // a sheet's name and where its records start
      if (n >= 7) {
        std::string name = g.Version == 8 ? Unicode(d + 6, n - 6, 1)
                                          : std::string(d + 7, d + 7 + std::min<size_t>(d[6], n - 7));
        if (d[5] == 0) g.Sheets.push_back({Le32(d), name});  // worksheets only
      }
      break;
    case 0x041E:
    case 0x001E:
      if (g.Version >= 4 && n >= 3) {
        const uint16_t index = Le16(d);
        std::string pattern = g.Version == 8 ? Unicode(d + 2, n - 2, 2)
                                             : std::string(d + 3, d + 3 + std::min<size_t>(d[2], n - 3));
        g.Formats.push_back({index, ParseFormatString(pattern)});
      } else if (n >= 1) {  // the early layouts number their formats in order
        std::string pattern(d + 1, d + 1 + std::min<size_t>(d[0], n - 1));
        g.Formats.push_back({static_cast<uint16_t>(g.Formats.size()), ParseFormatString(pattern)});
      }
      break;
    case 0x00E0:
      if (n >= 4) g.CellFormats.push_back(FormatOf(g, Le16(d + 2)));
      break;
    case 0x0243:
    case 0x0443:
      if (n >= 2) g.CellFormats.push_back(FormatOf(g, d[1]));
      break;
  }
}

class SheetReader {
 public:
  SheetReader(const Globals& g, Sheet& sheet) : g_(g), sheet_(sheet) {}

  // One record of the sheet's cells; false at its end.
  bool Cell(const Record& r) {
    const uint8_t* d = r.Data;
    const size_t n = r.Length;
    if (r.Id == 0x000A) return false;
    if (r.Id == 0x0207 || r.Id == 0x0007) {  // the text a formula gave
      if (pending_) {
        std::string text = g_.Version == 8 ? Unicode(d, n, 2)
                           : n >= 2 ? std::string(d + 2, d + 2 + std::min<size_t>(Le16(d), n - 2))
                                    : std::string();
        if (g_.Version == 2 && n >= 1) text.assign(d + 1, d + 1 + std::min<size_t>(d[0], n - 1));
        sheet_.Set(pendingRow_, pendingColumn_, text, false);
      }
      pending_ = false;
      return true;
    }
    pending_ = false;
    if (n < 6) return true;
    const uint16_t row = Le16(d), column = Le16(d + 2);
    if (g_.Version == 2) return Early(r.Id, row, column, d, n);
    const uint16_t xf = Le16(d + 4);
    switch (r.Id) {
      case 0x0203:
        if (n >= 14) Number(row, column, xf, Double(d + 6));
        break;
      case 0x027E:
        if (n >= 10) Number(row, column, xf, Rk(Le32(d + 6)));
        break;
      case 0x00BD:  // several RK cells in a row
        for (size_t at = 4, k = column; at + 6 <= n - 2 && k <= 0xFFFF; at += 6, ++k)
          Number(row, static_cast<uint16_t>(k), Le16(d + at), Rk(Le32(d + at + 2)));
        break;
      case 0x0204:
        if (g_.Version == 8)
          sheet_.Set(row, column, Unicode(d + 6, n - 6, 2), false);
        else if (n >= 8)
          sheet_.Set(row, column, std::string(d + 8, d + 8 + std::min<size_t>(Le16(d + 6), n - 8)), false);
        break;
      case 0x00FD:
        if (n >= 10 && Le32(d + 6) < g_.Strings.size())
          sheet_.Set(row, column, g_.Strings[Le32(d + 6)], false);
        break;
      case 0x0205:
        if (n >= 8) Truth(row, column, d[6], d[7]);
        break;
      case 0x0006:
      case 0x0206:
      case 0x0406:
        if (n >= 14) Formula(row, column, xf, d + 6);
        break;
    }
    return true;
  }

 private:
  bool Early(uint16_t id, uint16_t row, uint16_t column, const uint8_t* d, size_t n) {
    if (n < 7) return true;
    const NumberFormat format = FormatOf(g_, d[5] & 0x3F);
    switch (id) {
      case 0x0002:
        if (n >= 9) sheet_.Set(row, column, FormatNumber(Le16(d + 7), format), true);
        break;
      case 0x0003:
        if (n >= 15) sheet_.Set(row, column, FormatNumber(Double(d + 7), format), true);
        break;
      case 0x0004:
        if (n >= 8) sheet_.Set(row, column, std::string(d + 8, d + 8 + std::min<size_t>(d[7], n - 8)), false);
        break;
      case 0x0005:
        if (n >= 9) Truth(row, column, d[7], d[8]);
        break;
      case 0x0006:
        if (n >= 15) {
          sheet_.Set(row, column, FormatNumber(Double(d + 7), format), true);
        }
        break;
    }
    return true;
  }

  void Number(uint16_t row, uint16_t column, uint16_t xf, double value) {
    const NumberFormat format = xf < g_.CellFormats.size() ? g_.CellFormats[xf] : NumberFormat{};
    sheet_.Set(row, column, FormatNumber(value, format), true);
  }

  void Truth(uint16_t row, uint16_t column, uint8_t value, uint8_t isError) {
    sheet_.Set(row, column, isError ? ErrorText(value) : value ? "TRUE" : "FALSE", false);
  }

  // The stored result: a number, or (marked by FF FF in its top bytes) a
  // text in the next record, a truth value, an error or nothing.
  void Formula(uint16_t row, uint16_t column, uint16_t xf, const uint8_t* result) {
    if (Le16(result + 6) != 0xFFFF) return Number(row, column, xf, Double(result));
    switch (result[0]) {
      case 0: pending_ = true, pendingRow_ = row, pendingColumn_ = column; break;
      case 1: Truth(row, column, result[2], 0); break;
      case 2: Truth(row, column, result[2], 1); break;
    }
  }

  const Globals& g_;
  Sheet& sheet_;
  bool pending_ = false;
  uint16_t pendingRow_ = 0, pendingColumn_ = 0;
};

// The sheet whose records begin at offset (its BOF record).
void ReadSheet(const std::vector<uint8_t>& stream, size_t offset, const Globals& g, Sheet& sheet) {
  Records records(stream, offset);
  Record r;
  if (!records.Next(&r) || (r.Id & 0xFF) != 0x09) return;
  SheetReader reader(g, sheet);
  while (records.Next(&r) && reader.Cell(r)) {
  }
}

}  // namespace

void ReadBiff(const std::vector<uint8_t>& stream, Workbook& book) {
  Records records(stream, 0);
  Record r;
  if (!records.Next(&r)) return;
  Globals g;
  switch (r.Id) {
    case 0x0009: g.Version = 2; break;
    case 0x0209: g.Version = 3; break;
    case 0x0409: g.Version = 4; break;
    case 0x0809: g.Version = r.Length >= 2 && Le16(r.Data) >= 0x0600 ? 8 : 5; break;
    default: return;
  }
  const bool workbook = g.Version >= 5 && r.Length >= 4 && Le16(r.Data + 2) == 0x0005;
  if (!workbook) {  // one sheet: its formats and cells in the one stream
    book.Sheets.push_back(Sheet("Sheet1"));
    SheetReader reader(g, book.Sheets.back());
    while (records.Next(&r)) {
      ReadGlobal(r, records, g);
      if (!reader.Cell(r)) break;
    }
    return;
  }
  while (records.Next(&r) && r.Id != 0x000A) ReadGlobal(r, records, g);
  for (const Globals::Bound& bound : g.Sheets) {
    book.Sheets.push_back(Sheet(bound.Name));
    ReadSheet(stream, bound.Offset, g, book.Sheets.back());
  }
}
