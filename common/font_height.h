// A font's character height (negative, so the font mapper matches the
// character cell without its internal leading) for a size in points at
// `dpiY` pixels per inch. The programs round differently, and each keeps
// its own rounding so that fonts keep their pixel sizes.
#pragma once

// Rounded to the nearest pixel, a half down (the text viewer, its dialogs and printouts,
// the control library).
constexpr int PointsToHeightRounded(int points, int dpiY) { return (-35 - dpiY * points) / 72; }

// Cut to whole pixels (the shell's shared viewer font).
constexpr int PointsToHeightTruncated(int points, int dpiY) { return -(dpiY * points / 72); }
