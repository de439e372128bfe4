#include "shell/core/entry_sets.h"

namespace {
// Backspace, then the virtual keys Left, Right, Delete, Home, End (and Shift).
constexpr char kHexSet[] = "0123456789ABCDEF\x08\x25\x27\x2E\x24\x23\x10";
constexpr char kDecimalSet[] = "0123456789\x08\x25\x27\x2E\x24\x23";

template <unsigned N>
bool Holds(const char (&set)[N], unsigned c) {
  for (unsigned i = 0; i + 1 < N; ++i)
    if (static_cast<unsigned char>(set[i]) == c) return true;
  return false;
}
}  // namespace

unsigned UpperEntryChar(unsigned c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

bool InEntrySet(EntrySet set, unsigned c) {
  return set == EntrySet::Hex ? Holds(kHexSet, c) : Holds(kDecimalSet, c);
}
