#include "shell/core/content_rules.h"

#include <algorithm>
#include <array>

#include "shell/core/file_type.h"
#include "shell/core/viewer_table.h"

namespace {
using namespace std::literals;

bool FirstByteNotZero(const ContentProbe& p) { return ByteIsNot(p.Head, 0, 0x00); }

// XL compound documents are told from the others by the extension alone,
// compared with case: the shell has upper-cased it before it gets here.
bool HasXlExtension(const ContentProbe& p) {
  const size_t dot = p.Path.rfind('.');
  return dot != std::string_view::npos && p.Path.substr(dot + 1).starts_with("XL");
}

// A self-extracting archive: its program carries the archiver's name.
bool NamesPkware(const ContentProbe& p) {
  const std::string_view text = HeadText(p.Head);
  if (text.size() <= 30) return false;
  const std::string_view tail = text.substr(30);
  return tail.substr(0, tail.find('\0')).find("PKWARE") != std::string_view::npos;
}

bool NamesRiff(const ContentProbe& p) {
  const std::string_view text = HeadText(p.Head);
  return text.substr(0, text.find('\0')).find("RIFF") != std::string_view::npos;
}

// A DBF table: one of its version bytes, then a date whose year and month
// are not zero.
bool IsDbfHeader(const ContentProbe& p) {
  return ByteIn(p.Head, 0, "\x03\x7F\xF5\x8B\x83"sv) && ByteIsNot(p.Head, 1, 0x00) &&
         ByteIsNot(p.Head, 2, 0x00);
}

// An older XL worksheet: its first record (09) is 04 or 06 bytes long, and
// bytes 6 and 7 say what kind of sheet it holds.
bool IsOlderXlRecord(const ContentProbe& p) {
  return ByteIn(p.Head, 2, "\x04\x06"sv) &&
         (ByteIn(p.Head, 6, "\x10\x20\x40"sv) || ByteIs(p.Head, 7, 0x01));
}

constexpr Signature kWpc{0, "\xFFWPC"};
constexpr Signature kTwoZeros{0, "\x00\x00"sv};

constexpr std::array kRules = {
    ContentRule{kTypeWpcVersion0, {kWpc, {8, "\x01\x0A\x00"sv}}},
    ContentRule{kTypeWpcVersion2, {kWpc, {8, "\x01\x0A\x02"sv}}},
    ContentRule{kTypeTbwp, {{0, "TBWP"}}},
    ContentRule{kTypeBeDocument, {{1, "\xBE\x00\x00\x00\xAB"sv}}, FirstByteNotZero},
    ContentRule{kTypeWordPro, {{0, "\x9B\xA5\x21\x00"sv}}},
    ContentRule{kTypeWordPro, {{0, "\xDB\xA5\x2D\x00"sv}}},
    ContentRule{kTypeWordPro, {{0, "\x94\xA6\x2E\x00"sv}}},
    ContentRule{kTypeXlNewer, {kCompoundDocument}, HasXlExtension},
    ContentRule{kTypeCompound, {kCompoundDocument}},
    ContentRule{kTypeSam, {{0, "[ver]"}}},
    ContentRule{kTypeNotebook, {kTwoZeros, {3, "\x02\x00"sv}, {6, "\x10"}}},
    ContentRule{kTypeWk, {kTwoZeros, {3, "\x02\x00"sv}}},
    ContentRule{kTypeWk3, {kTwoZeros, {3, "\x1A\x00"sv}}},
    ContentRule{kTypeZip, {}, NamesPkware},
    ContentRule{kTypeZip, {{0, "PK\x03\x04"}}},
    ContentRule{kTypeGraphics, {{0, "AC10"}}},
    ContentRule{kTypeVectorDrawing, {{0, "IN;"}}},
    ContentRule{kTypeWmf, {{0, "\xD7\xCD\xC6\x9A"}}},
    ContentRule{kTypeIcon, {{0, "\x00\x00\x01\x00\x01\x00\x20\x20"sv}}},
    ContentRule{kTypeSound, {{8, "WAVEfm"}}, NamesRiff},
    ContentRule{kTypeDbf, {}, IsDbfHeader},
    ContentRule{kTypeXlOlder, {{0, "\x09"}}, IsOlderXlRecord},
};

// Text when more than three quarters of the first n = min(size, 100) bytes
// are tab, line feed, carriage return or 14..7E (from 14, below the space).
// A byte that was not read does not count, and an empty file is not text.
bool LooksLikeText(FileHead head, int64_t fileSize) {
  const int64_t n = std::clamp<int64_t>(fileSize, 0, kTextProbeBytes);
  const FileHead counted = head.first(std::min(head.size(), static_cast<size_t>(n)));
  const auto count = std::ranges::count_if(counted, [](uint8_t b) {
    return b == 0x09 || b == 0x0A || b == 0x0D || (b >= 0x14 && b <= 0x7E);
  });
  return count > 3 * n / 4;
}
}  // namespace

const std::span<const ContentRule> ContentRules = kRules;

int TypeByContent(std::span<const uint8_t> bytes, int64_t fileSize, std::string_view path) {
  const ContentProbe probe{bytes.first(std::min(bytes.size(), kContentProbeBytes)), path};
  for (const ContentRule& rule : ContentRules) {
    const bool matched =
        std::ranges::all_of(rule.All, [&](Signature s) { return Matches(probe.Head, s); });
    if (matched && (!rule.Holds || rule.Holds(probe))) return rule.Type;
  }
  return LooksLikeText(probe.Head, fileSize) ? kTypeText : kTypeGraphics;
}
