#include "viewers/sheets/formats/test_sheets.h"

#include <cstring>

namespace sheet_bytes {

using Bytes = std::string;

Bytes Le(uint64_t v, int n) {
  Bytes b;
  for (int i = 0; i < n; ++i) b.push_back(static_cast<char>(v >> 8 * i));
  return b;
}
Bytes F64(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return Le(bits, 8);
}
Bytes Rec(uint16_t id, const Bytes& data) { return Le(id, 2) + Le(data.size(), 2) + data; }
Bytes At(int row, int column) { return Le(row, 2) + Le(column, 2); }

Bytes Wk1(uint8_t f, int column, int row) { return Bytes(1, static_cast<char>(f)) + Le(column, 2) + Le(row, 2); }

Bytes Wk1Sheet() {
  return Rec(0x00, Le(0x0406, 2)) + Rec(0x0F, Wk1(0xFF, 0, 0) + "'Name" + Bytes(1, '\0')) +
         Rec(0x0F, Wk1(0xFF, 1, 0) + "^Total" + Bytes(1, '\0')) + Rec(0x0D, Wk1(0xFF, 0, 1) + Le(-42, 2)) +
         Rec(0x0E, Wk1(0x02, 1, 1) + F64(3.14159)) + Rec(0x0E, Wk1(0x31, 2, 1) + F64(0.125)) +
         Rec(0x0E, Wk1(0x22, 3, 1) + F64(-1234.5)) + Rec(0x0E, Wk1(0x72, 4, 1) + F64(36525)) +
         Rec(0x10, Wk1(0xFF, 2, 4) + F64(7) + Le(3, 2) + "xyz") +
         Rec(0x0E, Wk1(0x42, 25, 5) + F64(1234.5)) + Rec(0x0E, Wk1(0x30, 26, 5) + F64(0.25)) +
         Rec(0x10, Wk1(0xFF, 27, 5) + F64(0) + Le(0, 2)) + Rec(0x33, Wk1(0xFF, 27, 5) + "Made" + Bytes(1, '\0')) +
         Rec(0x01, "");
}

Bytes Wk3Cell(uint16_t id, int row, int sheet, int column, const Bytes& value) {
  return Rec(id, Le(row, 2) + Le(sheet, 1) + Le(column, 1) + value);
}

Bytes Wk3Book() {
  const Bytes zero(1, '\0');
  const auto small = [](int n) { return Le(static_cast<uint16_t>(n), 2); };
  return Rec(0x00, Le(0x1000, 2) + Le(4, 2) + Bytes(22, '\0')) +
         Wk3Cell(0x16, 0, 0, 0, "'Region" + zero) + Wk3Cell(0x18, 1, 0, 0, small(123 << 1)) +
         Wk3Cell(0x18, 1, 0, 1, small(7 << 4 | 0 << 1 | 1)) +     // 7 * 5000
         Wk3Cell(0x18, 1, 0, 2, small(25 << 4 | 2 << 1 | 1)) +    // 25 / 20
         Wk3Cell(0x18, 1, 0, 3, small(-3 * 16 | 3 << 1 | 1)) +    // -3 / 200
         Wk3Cell(0x25, 2, 0, 0, Le(12345u << 6 | 0x10 | 2, 4)) +  // 12345 / 10^2
         Wk3Cell(0x25, 2, 0, 1, Le(7u << 6 | 0x20 | 3, 4)) +      // -(7 * 10^3)
         Wk3Cell(0x27, 2, 0, 2, F64(2.5)) + Wk3Cell(0x14, 3, 0, 0, "") + Wk3Cell(0x15, 3, 0, 1, "") +
         Wk3Cell(0x18, 1, 2, 1, small(9 << 1)) + Rec(0x204, Bytes(10, '\0') + "Budget" + zero) +
         Rec(0x204, Bytes(10, '\0') + "Notes" + zero) + Rec(0x01, "");
}

Bytes BiffBook(bool eighth, const std::vector<std::pair<Bytes, Bytes>>& sheets, const Bytes& globals) {
  const Bytes bof = Rec(0x0809, Le(eighth ? 0x0600 : 0x0500, 2) + Le(5, 2) + Le(0, 4));
  size_t boundBytes = 0;
  for (const auto& s : sheets) boundBytes += 4 + 6 + 1 + (eighth ? 1 : 0) + s.first.size();
  size_t offset = bof.size() + globals.size() + boundBytes + 4;
  Bytes bounds, bodies;
  for (const auto& s : sheets) {
    const Bytes name = Le(s.first.size(), 1) + (eighth ? Bytes(1, '\0') : "") + s.first;
    bounds += Rec(0x0085, Le(offset + bodies.size(), 4) + Le(0, 2) + name);
    bodies += Rec(0x0809, Le(eighth ? 0x0600 : 0x0500, 2) + Le(0x10, 2) + Le(0, 4)) + s.second + Rec(0x000A, "");
  }
  return bof + globals + bounds + Rec(0x000A, "") + bodies;
}

Bytes Xf(int format) { return Rec(0x00E0, Le(0, 2) + Le(format, 2) + Bytes(16, '\0')); }
Bytes Cell(uint16_t id, int row, int column, int xf, const Bytes& value) {
  return Rec(id, At(row, column) + Le(xf, 2) + value);
}

Bytes U16(const std::string& s, bool wide) {
  Bytes b = Le(s.size(), 2) + Le(wide ? 1 : 0, 1);
  for (char c : s) b += wide ? Le(static_cast<unsigned char>(c), 2) : Bytes(1, c);
  return b;
}

Bytes Biff8Book() {
  // The shared strings, the third split across a CONTINUE record that
  // goes on in 16-bit characters.
  const Bytes third = Le(10, 2) + Le(0, 1) + "Conti";
  const Bytes sst = Rec(0x00FC, Le(3, 4) + Le(3, 4) + U16("Region", false) + U16("North", true) + third) +
                    Rec(0x003C, Le(1, 1) + Le('n', 2) + Le('u', 2) + Le('e', 2) + Le('d', 2) + Le('!', 2));
  const Bytes first = Cell(0x00FD, 0, 0, 0, Le(0, 4)) + Cell(0x00FD, 1, 0, 0, Le(1, 4)) +
                      Cell(0x0203, 1, 1, 0, F64(17)) + Cell(0x00FD, 2, 3, 0, Le(2, 4)) +
                      Cell(0x0204, 3, 0, 0, U16("Inline", false));
  const Bytes second = Cell(0x027E, 9, 2, 1, Le((50u << 2) | 2, 4)) +
                       Cell(0x0006, 0, 0, 0, Le(1, 2) + Le(1, 4) + Le(0xFFFF, 2) + Le(0, 8));
  return BiffBook(true, {{"First", first}, {"Second", second}}, Xf(0) + Xf(9) + sst);
}

}  // namespace sheet_bytes
