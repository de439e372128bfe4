// Where things go on a printed page, in device units, from the device's
// size and resolution, the printer font and the margins (hundredths of an
// inch). Products are multiplied, then divided and rounded, as the
// system's MulDiv does.
#pragma once
#include <cstdint>

#include "viewer/settings/page_setup.h"

struct DeviceMetrics {
  int32_t Height = 0, Width = 0;  // the printable page
  int32_t DpiX = 0, DpiY = 0;
  int32_t LineHeight = 0, CharWidth = 0;  // of the printer font
};

struct PageGeometry {
  int32_t LineHeight = 0, CharWidth = 0;
  int32_t Left = 0;         // x of the text
  int32_t Top = 0;          // y of the first line
  int32_t UsableWidth = 0;  // the text runs from Left to Left + UsableWidth
  int32_t Bottom = 0;       // a line is printed while its bottom is at most this
  int32_t CharsPerLine = 0;
};

// a * b / c rounded half away from zero; -1 when c is 0 or the result does
// not fit 32 bits.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);

// fixedLength: the line length of a fixed-length format, else 0 (the line
// takes what fits the usable width).
PageGeometry ComputePageGeometry(DeviceMetrics device, const PageMargins& margins,
                                 int32_t fixedLength);
// Margins that leave less than three lines of height or width, or no room
// for a body line below a heading of headingLines lines, print nothing.
bool MarginsLeaveRoom(const PageGeometry& g, int32_t headingLines);
