// The hex-text parser against a direct reading of its rules, with an output
// buffer of exactly the given capacity so that any overrun is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "viewer/navigation/hex_text.h"

namespace {
int Reference(std::string_view text, std::vector<uint8_t>& bytes) {
  bool pending = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ') {
      pending = false;
      continue;
    }
    const char* digits = "0123456789abcdef";
    char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c + 32) : c;
    const char* at = lower ? std::strchr(digits, lower) : nullptr;
    if (!at) return -1 - static_cast<int>(i);
    int v = static_cast<int>(at - digits);
    if (pending) {
      bytes.back() = static_cast<uint8_t>(bytes.back() + v);
    } else {
      bytes.push_back(static_cast<uint8_t>(v * 16));
    }
    pending = !pending;
  }
  return static_cast<int>(bytes.size());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int capacity = data[0] % 40;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::unique_ptr<uint8_t[]> out(new uint8_t[static_cast<size_t>(capacity)]);
  std::vector<uint8_t> expected;
  int want = Reference(text, expected);
  int got = ParseHexText(text, out.get(), capacity);
  if (got != want) std::abort();
  for (int i = 0; i < got && i < capacity; ++i)
    if (out[i] != expected[static_cast<size_t>(i)]) std::abort();

  HexTextResult r = CheckHexText(text, data[0] & 1, out.get(), capacity);
  bool lengthOk = text.size() >= (data[0] & 1u) && text.size() <= kHexTextMaxChars;
  if (!lengthOk && r.check != HexTextCheck::BadLength) std::abort();
  if (lengthOk && r.check == HexTextCheck::BadDigit) {
    if (r.badIndex != -1 - want) std::abort();
    char line[24];
    int n = InvalidHexDigitLine(text[static_cast<size_t>(r.badIndex)], line, data[0] % 25);
    if (n != 22) std::abort();
  }
  if (lengthOk && r.check == HexTextCheck::Ok && r.count != std::min(want, capacity)) std::abort();
  return 0;
}
