// File names that the ANSI code page cannot hold (a Cyrillic or CJK name on
// a Western system) travel through the programs' char paths, profiles, DDE
// texts and library messages as UTF-8 behind a mark. No path of the file
// system starts with '<', so a marked name is never taken for another file,
// and every name the code page holds keeps its ANSI form as before. UTF-8
// bytes are never '\\', '/' or ':', so a marked path splits into folder and
// name like any other.
#pragma once
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kUtf8NameMark = "<utf8>";

inline bool IsMarkedName(std::string_view name) { return name.starts_with(kUtf8NameMark); }

// Strict conversions: false (and out left partial) on a byte sequence that
// is not UTF-8 (overlong, surrogate, beyond U+10FFFF, cut) or a lone
// surrogate.
bool Utf16FromUtf8(std::string_view utf8, std::u16string* out);
bool Utf8FromUtf16(std::u16string_view utf16, std::string* out);

// The mark and the name's UTF-8; empty when the name is not valid UTF-16.
std::string MarkedName(std::u16string_view wide);

// A text with at most one mark: the bytes before it are the caller's (an
// ANSI caption's start), those after it UTF-8. Returns the position just
// after the mark, or npos when the text has none.
size_t Utf8PartStart(std::string_view text);

// The file-name part of a path, keeping the mark of a marked path, so that a
// caption or a menu item built from it can still be shown by its wide form.
std::string ShownNamePart(std::string_view path);

// A name given as plain UTF-8 (a DDE client's) that is not ASCII: the
// caller tries it as UTF-8 where the ANSI name names no file.
bool IsUtf8BeyondAscii(std::string_view text);

// A command line from its arguments as the programs parse it: an argument
// with a blank in double quotes, the others as they are, one blank between.
std::string JoinArguments(const std::vector<std::string>& arguments);
