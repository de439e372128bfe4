// The Go To dialog: it only collects and checks where to go (the top or
// bottom of the file, a byte offset, a page); the main window then moves.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewer/buffer/file_offset.h"

enum GoToKind : int32_t {
  GOTO_NONE = 0,
  GOTO_TOP = 1,
  GOTO_BOTTOM = 2,
  GOTO_BYTE = 3,
  GOTO_PAGE = 4
};

constexpr int64_t kGoToBottomValue = 9999999;

struct GoToRequest {
  int32_t Kind = GOTO_NONE;
  int64_t Value = -1;  // GOTO_TOP 0, GOTO_BOTTOM kGoToBottomValue, else the number typed
};

struct GoToLimits {
  FileOffset FileSize = 0;  // the largest byte offset offered
  int32_t PageCount = -1;   // pages offered; none when not positive
};

// 1 when accepted, with request filled in; 0 when cancelled.
INT_PTR RunGoToDialog(HWND owner, const GoToLimits& limits, GoToRequest& request);
