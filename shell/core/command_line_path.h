// The path on the shell's command line. A name in double quotes is one
// name without its quotes (Explorer, shortcuts and cmd quote a path with
// blanks); anything else is taken whole, blanks and all.
#pragma once
#include <string_view>

std::string_view CommandLinePath(const char* line);
