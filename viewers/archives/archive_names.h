// Names and comments as the window shows them: stored in the OEM code page
// or in UTF-8, shown in the ANSI code page.
#pragma once
#include <string>
#include <string_view>

std::string AnsiNameOf(std::string_view bytes, bool utf8);
