// The line length the screen hands to the formatters, from the client width
// and the font: wrapped lines are as wide as the window, unwrapped ones may
// run to three window widths before they are cut.
#pragma once
#include <cstdint>

struct FormatLengthUpdate {
  int32_t Length = 0;       // the new value
  bool Adopt = false;       // take Length and reformat (lParam -1)
  int32_t PageColumns = 1;  // horizontal page step
};

// oldLength -1 forces a reformat. sizeChange: the client size changed (a
// value that stayed the same then needs no reformat).
FormatLengthUpdate ComputeFormatLength(int32_t oldLength, int32_t clientWidth,
                                       int32_t averageCharWidth, uint32_t flags, int32_t lineLength,
                                       bool sizeChange);
