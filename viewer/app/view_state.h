// What the main window shows: horizontal scroll position and the like.
#pragma once

struct ViewState {
  int HScroll = 0;  // first character column shown
};

extern ViewState gView;
