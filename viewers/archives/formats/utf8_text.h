// UTF-8 names as UTF-16 for the platform's conversion to the ANSI code
// page. A byte that does not start or continue a sequence becomes U+FFFD.
#pragma once
#include <string>
#include <string_view>

std::u16string Utf16FromUtf8(std::string_view text);
