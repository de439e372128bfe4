#include "viewers/archives/archive_names.h"

#include <windows.h>

#include "viewers/archives/formats/utf8_text.h"

std::string AnsiNameOf(std::string_view bytes, bool utf8) {
  if (bytes.empty()) return {};
  if (!utf8) {
    std::string text(bytes);
    OemToCharBuffA(text.data(), text.data(), static_cast<DWORD>(text.size()));
    return text;
  }
  const std::u16string wide = Utf16FromUtf8(bytes);
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, "?", nullptr);
  std::string text(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0)
    WideCharToMultiByte(CP_ACP, 0, units, length, text.data(), needed, "?", nullptr);
  return text;
}
