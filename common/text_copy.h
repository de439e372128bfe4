// Bounded copies into the fixed text buffers of the design: a text that does
// not fit is cut, never overrun, and the result is always terminated.
#pragma once
#include <cstddef>
#include <cstring>
#include <string_view>

inline size_t CopyText(char* dst, size_t size, std::string_view src) {
  if (size == 0) return 0;
  size_t n = src.size() < size - 1 ? src.size() : size - 1;
  std::memcpy(dst, src.data(), n);
  dst[n] = '\0';
  return n;
}

template <size_t N>
inline size_t CopyText(char (&dst)[N], std::string_view src) {
  return CopyText(dst, N, src);
}

// The file-name part of a path: after the last '\\', '/' or ':'.
inline std::string_view FileNamePart(std::string_view path) {
  size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}
