// What the main window shows: the screen geometry that the display computes
// (layout, font) and that repositioning, commands and copying read.
#pragma once
#include "viewer/buffer/file_offset.h"

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
  FileOffset TopOffset = 0;  // offset of the top line at the last paint
  int ZoomLevel = 0;         // signed number of zoom steps
  bool AlwaysOnTop = false;
  // The next move: the delta the scroll handlers post with VW_SHOWOFFSET
  // (repositioning resets it to 0), and a target too large for the
  // message's lParam on its way to the window (-1: none; messages.h).
  int PendingDelta = 0;
  FileOffset PendingTarget = -1;
};

extern ViewState gView;
