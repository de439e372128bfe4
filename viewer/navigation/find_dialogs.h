// The Find Text and Find Hex dialogs. Accepted, they have defined the search
// and promoted its text in the recent list; they return 1, and 0 when
// cancelled.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewer/navigation/search_state.h"
#include "viewer/settings/view_options.h"  // RecentLists

struct FindDialogRecords {
  SearchState& Search;
  RecentLists& Recent;  // a list not loaded yet in this run is read first
  uint32_t FormatFlags;  // the file's code, for showing search bytes
  int CharCode;          // the code typed text is converted into
  bool KeepRecent;       // "MruSearch": recent lists come from the profile
};

INT_PTR RunFindTextDialog(HWND owner, const FindDialogRecords& records);
INT_PTR RunFindHexDialog(HWND owner, const FindDialogRecords& records);
