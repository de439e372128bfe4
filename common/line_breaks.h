// Breaking a message into lines no wider than a box may be. A message box
// wraps only at blanks, so a long path would make it wider than the screen;
// here a line too wide is broken after its last blank or backslash that
// fits, or, when there is none, after its last character that fits.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// widthOf measures a piece of one line. Lines are separated by "\n" (a
// "\r\n" stays as it is); each break adds a "\n". A line whose first
// character alone is too wide keeps that character.
std::string BreakLongLines(std::string_view text, int maxWidth,
                           const std::function<int(std::string_view)>& widthOf);
