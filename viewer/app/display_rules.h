// The arithmetic of the main window's display: layout, font size and zoom,
// scroll-bar ranges, horizontal scrolling and the automatic-scroll rate.
// Pure functions, so the rules are tested without a window.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_offset.h"

// Rows of text below `titles` frozen title rows; at least 1.
int LinesPerScreenFor(int clientHeight, int lineHeight, int titles);

// The line length handed to the formatters for a window `clientWidth`
// pixels wide, under the format flags in effect.
int FormatLengthFor(int clientWidth, int charWidth, uint32_t flags, int lineLength);
// Whether a new line length replaces the old one (and the lines are
// formatted again). A size change that leaves the value alone never does.
bool NeedsReformat(int oldLength, int newLength, bool wrap, bool sizeChange);
// Columns moved by a horizontal page step.
int HorzPageStepFor(int clientWidth, int charWidth);

// Frozen columns: how many a row shows (never more than reach past the
// window's right edge, whatever the profile says), and the left edge of
// the scrolled part in pixels (0 without frozen columns).
int FrozenColumnsShown(int frozen, int charWidth, int clientWidth);
int FrozenEdge(int frozenShown, int charWidth);
// The width a line padded to padLength characters takes right of the
// frozen part, between 0 and limit pixels.
int PaddedWidth(int padLength, int frozenShown, int hScroll, int charWidth, int limit);

// The height a font is created with `zoom` steps away from `height`.
int ZoomedFontHeight(int height, int zoom);

// Horizontal scrolling: columns scrolled off at the left after a relative
// move, and at the right end.
int ClampHScroll(int value, int formatLength);
int HScrollAtRightEnd(int formatLength, int clientWidth, int charWidth);

// The mouse wheel: whole steps (lines, columns or zoom steps) for a wheel
// delta at `perNotch` steps per notch of 120; what is left of a partial
// notch stays in *carry for the next message, so a precise touchpad's small
// deltas add up. A turn the other way drops what was left.
int WheelSteps(int* carry, int delta, int perNotch);

// Upper ends of the scroll ranges; 0 hides the bar. Modes: 0 never,
// 1 always, 2 when needed. The vertical bar counts bytes, or units of a
// power of two bytes in a file too long for the bar's range.
struct VertBarInput {
  int Mode;
  bool FileOpen;
  FileOffset FileLength;
  int TopIndex;   // Acur
  int LastIndex;  // Alast
  int LinesPerScreen;
};
int VertScrollMax(const VertBarInput& in);
// The vertical bar's position for the offset of the top line.
int VertScrollPosition(FileOffset topOffset, FileOffset fileLength);
int HorzScrollMax(int mode, int formatLength, int charWidth, int clientWidth, int hScroll);

// The file offset a released thumb asks for.
FileOffset ThumbTarget(FileOffset fileLength, int thumb, int rangeMax);

// The automatic scrolling chosen for a mouse row while a selection is
// dragged: timer 1 scrolls up, 2 down, 0 none.
struct AutoScrollRates {
  int SlowLines, SlowDelay, FastLines, FastDelay;
};
struct AutoScrollPlan {
  int Timer;
  int Lines;
  int Delay;
};
AutoScrollPlan PlanAutoScroll(int y, int titlesHeight, int lineHeight, int clientHeight,
                              const AutoScrollRates& rates);
