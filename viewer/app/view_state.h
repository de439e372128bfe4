// What the main window shows: the screen geometry that the display computes
// (layout, font) and that repositioning, commands and copying read.
#pragma once

struct ViewState {
  int HScroll = 0;          // first character column shown
  int LinesPerScreen = 1;   // text rows below the frozen titles (layout)
  int FormatLength = -1;    // line length given to the formatters; -1: recompute
  int LineHeight = 1;       // pixels, from the screen font
  int CharWidth = 1;        // pixels, from the screen font
};

extern ViewState gView;
