// A name in double quotes on a command line, as Explorer, shortcuts and cmd
// pass a path with blanks: one name, without its quotes.
#pragma once
#include <string_view>

// at points at the opening quote. Returns the text up to the closing quote
// and leaves at after it; an unclosed quote runs to the end of the line.
inline std::string_view ReadQuotedName(const char*& at) {
  const char* start = ++at;
  while (*at && *at != '"') ++at;
  std::string_view name(start, static_cast<size_t>(at - start));
  if (*at) ++at;
  return name;
}
