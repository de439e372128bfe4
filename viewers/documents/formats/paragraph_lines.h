// The document's paragraphs broken into lines that fit a width, and
// positions in the text. The rule is portable; how wide a run of text is
// comes from the caller (the window's font, or the printer's).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A place in the text: a paragraph and a byte within it.
struct TextPos {
  uint32_t Paragraph = 0;
  uint32_t Offset = 0;
  auto operator<=>(const TextPos&) const = default;
};

struct TextLine {
  uint32_t Paragraph;
  uint32_t Start;   // byte of the paragraph the line begins at
  uint32_t Length;  // bytes, the spaces it ends with included
};

using TextWidth = std::function<int(std::string_view)>;

// Each paragraph in lines no wider than width: a line ends after the last
// space that fits; a word wider than the line is cut where it stops
// fitting (a line holds at least one character); an empty paragraph is
// one empty line.
std::vector<TextLine> BreakLines(const std::vector<std::string>& paragraphs, int width,
                                 const TextWidth& measure);

// The first match of needle at or after from; with fold (a table of 256
// bytes), bytes are compared through it. False when there is none.
bool FindInParagraphs(const std::vector<std::string>& paragraphs, TextPos from,
                      std::string_view needle, const unsigned char* fold, TextPos& found);
