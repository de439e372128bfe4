// What the main window shows: the screen geometry that the display computes
// (layout, font) and that repositioning, commands and copying read.
#pragma once
#include <cstdint>

struct ViewState {
  int HScroll = 0;         // first character column shown
  int LinesPerScreen = 1;  // text rows below the frozen titles (layout)
  int FormatLength = -1;   // line length given to the formatters; -1: recompute
  int LineHeight = 1;      // pixels, from the screen font
  int CharWidth = 1;       // pixels, from the screen font
  int ClientWidth = 0;     // pixels, from the last size message
  int ClientHeight = 0;
  int HLineStep = 1;  // columns per horizontal line and page step
  int HPageStep = 10;
  int32_t TopOffset = 0;  // offset of the top line at the last paint
  int ZoomLevel = 0;      // signed number of zoom steps
  bool AlwaysOnTop = false;
  // The next move: what the scroll handlers post with VW_SHOWOFFSET.
  // Repositioning resets them to 0 and -1.
  int PendingDelta = 0;
  int32_t PendingTarget = -1;
};

extern ViewState gView;
