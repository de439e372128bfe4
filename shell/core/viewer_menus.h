// The menus of the viewer windows, resources of ZR32.EXE, and what each
// offers: Find, Print, Select All, a picture's Save As, the zoom range, where its Filelist and
// Page popups lie, and which View item is ticked while it is shown.
#pragma once

struct ViewerMenu {
  const char* Name;  // nullptr: the window keeps the menu it has
  bool Find, Print, SelectAll;
  int ZoomMin, ZoomMax;  // zoom commands of the Zoom popup
  int FileListPos;
  int PageMenuPos;  // -1: the position stays as it was
  int ViewItem;     // the View command ticked
  bool SaveAs = false;  // a picture's Save As in the File popup
};

extern const ViewerMenu kTextMenu, kHexMenu, kBitmapMenu, kGraphMenu, kWordProMenu, kGridMenu,
    kSpreadsheetMenu, kSoundMenu, kFontMenu;
// A type with no menu of its own keeps the window's menu and offers none of
// the commands the menus decide.
extern const ViewerMenu kKeptMenu;
