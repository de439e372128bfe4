// The pop-ups of the main menu as the resource made them, remembered before
// the profile prunes the menu: pruning may remove whole pop-ups, so a pop-up
// is known by its handle, not by its position.
#pragma once
#include <windows.h>

enum MenuPopup {
  POPUP_FILE,
  POPUP_EDIT,
  POPUP_VIEW,
  POPUP_FORMAT,
  POPUP_MARK,
  POPUP_HELP,
  POPUP_COUNT
};

void RememberMenuPopups(HMENU bar);
