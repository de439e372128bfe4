// What Copy should put on the clipboard for a whole file, worked out here
// from the display rules for simple files (line length fixed, no wrap, no
// form feeds, no end-of-file mark), without the program's own formatters.
#pragma once
#include <string>
#include <string_view>

std::string ExpectedTextCopy(std::string_view bytes, int lineLength, int tabLength, bool ebcdic);
std::string ExpectedHexDumpCopy(std::string_view bytes, int lineLength, bool ebcdic);
std::string ExpectedRawTextCopy(std::string_view bytes, int lineLength, bool ebcdic);
