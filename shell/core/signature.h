// Byte tests on the first bytes of a file. Only the bytes that were read
// exist: a test on a byte beyond them fails, whatever it compares with.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

using FileHead = std::span<const uint8_t>;

// Bytes expected at an offset; empty Bytes: no test (an unused slot).
struct Signature {
  size_t Offset = 0;
  std::string_view Bytes;
};

inline bool Matches(FileHead head, Signature s) {
  if (s.Bytes.empty()) return true;
  return s.Offset + s.Bytes.size() <= head.size() &&
         std::memcmp(head.data() + s.Offset, s.Bytes.data(), s.Bytes.size()) == 0;
}

inline bool ByteIs(FileHead head, size_t at, uint8_t value) {
  return at < head.size() && head[at] == value;
}

inline bool ByteIsNot(FileHead head, size_t at, uint8_t value) {
  return at < head.size() && head[at] != value;
}

// True when the byte at is one of values.
inline bool ByteIn(FileHead head, size_t at, std::string_view values) {
  return at < head.size() && values.find(static_cast<char>(head[at])) != std::string_view::npos;
}

// The head as characters, for the rules that look for a word in it.
inline std::string_view HeadText(FileHead head) {
  return {reinterpret_cast<const char*>(head.data()), head.size()};
}

// A compound document: named XL, WDB or anything else, it starts like this.
constexpr Signature kCompoundDocument{0, std::string_view("\xD0\xCF\x11\xE0\xA1", 5)};
