#include "shell/core/extension_rules.h"

#include <array>

#include "shell/core/file_type.h"
#include "shell/core/viewer_table.h"

namespace {
using namespace std::literals;

bool IsCompoundDocument(FileHead h) { return Matches(h, kCompoundDocument); }
bool FirstByteFF(FileHead h) { return ByteIs(h, 0, 0xFF); }
bool FirstByteZero(FileHead h) { return ByteIs(h, 0, 0x00); }
bool IsQwDocument(FileHead h) { return Matches(h, {0, "FFFFIIII"}); }
bool IsNotebook(FileHead h) { return Matches(h, {0, "\x00\x00"sv}); }
bool IsSamDocument(FileHead h) { return Matches(h, {0, "[ver]"}); }
// An XL worksheet starts with record 09; byte 10 is 2F when it has a
// password, and byte 1 tells the record layout.
bool IsProtectedXl(FileHead h) { return ByteIs(h, 0, 0x09) && ByteIs(h, 10, 0x2F); }
bool IsNewerXl(FileHead h) { return ByteIs(h, 0, 0x09) && h.size() > 1 && h[1] >= 0x08; }
bool IsOlderXl(FileHead h) { return ByteIs(h, 0, 0x09) && h.size() > 1 && h[1] < 0x08; }

constexpr std::array kRules = {
    ExtensionRule{"BMP PCX TGA TIF GIF JPG", kTypeGraphics},
    ExtensionRule{"ICO CUR", kTypeIcon},
    ExtensionRule{"DBF", kTypeDbf},
    ExtensionRule{"LZH", kTypeLzh},
    ExtensionRule{"DB", kTypeDb},
    ExtensionRule{"ZIP EXE", kTypeZip},
    ExtensionRule{"WMF", kTypeWmf},
    ExtensionRule{"WAV RMI AVI MID", kTypeSound},
    ExtensionRule{"WPS", kTypeWps},
    ExtensionRule{"TTF", kTypeTrueType},
    ExtensionRule{"RTF", kTypeRichText},
    ExtensionRule{"CGM CTM PPT DXF PDF DRW PIC EPS AI PLT HGL WPG HPG CDR", kTypeVectorDrawing},
    ExtensionRule{"WDB", kTypeWdbCompound, IsCompoundDocument},
    ExtensionRule{"WDB", kTypeWdb},
    ExtensionRule{"WKS", kTypeWksFF, FirstByteFF},
    ExtensionRule{"WK3 WK4", kTypeWk3, FirstByteZero},
    ExtensionRule{"WK* WQ1 WR1", kTypeWk, FirstByteZero},
    ExtensionRule{"QW", kTypeQw, IsQwDocument},
    ExtensionRule{"WB1 WB2", kTypeNotebook, IsNotebook},
    ExtensionRule{"XL*", kTypeHex, IsProtectedXl, true},
    ExtensionRule{"XL*", kTypeXlNewer, IsNewerXl},
    ExtensionRule{"XL*", kTypeXlOlder, IsOlderXl},
    ExtensionRule{"SAM", kTypeSam, IsSamDocument},
};

bool NamesExtension(std::string_view names, std::string_view extension) {
  while (!names.empty()) {
    const size_t space = names.find(' ');
    const std::string_view name = names.substr(0, space);
    names.remove_prefix(space == std::string_view::npos ? names.size() : space + 1);
    if (name.ends_with('*') ? extension.starts_with(name.substr(0, name.size() - 1))
                            : extension == name)
      return true;
  }
  return false;
}
}  // namespace

const std::span<const ExtensionRule> ExtensionRules = kRules;

int TypeByExtension(std::string_view extension, std::span<const uint8_t> head,
                    bool* protectedWorksheet) {
  *protectedWorksheet = false;
  for (const ExtensionRule& rule : ExtensionRules) {
    if (!NamesExtension(rule.Extensions, extension) || (rule.Holds && !rule.Holds(head))) continue;
    *protectedWorksheet = rule.ProtectedWorksheet;
    return rule.Type;
  }
  return -1;
}
