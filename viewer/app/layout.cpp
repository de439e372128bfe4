#include "viewer/app/layout.h"

#include "viewer/app/display_rules.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

void UpdateLinesPerScreen() {
  gView.LinesPerScreen = LinesPerScreenFor(gView.ClientHeight, gView.LineHeight, TitleRowCount());
}

LRESULT OnLayout(HWND hwnd, bool sizeChange) {
  UpdateLinesPerScreen();
  uint32_t flags = gViewOptions.CurrentFlags;
  bool wrap = (flags & FMT_WRAP) != 0;
  int length = FormatLengthFor(gView.ClientWidth, gView.CharWidth, flags, gViewOptions.LineLength);
  if (wrap) gView.HScroll = 0;
  gView.HLineStep = 1;
  gView.HPageStep = HorzPageStepFor(gView.ClientWidth, gView.CharWidth);
  if (!NeedsReformat(gView.FormatLength, length, wrap, sizeChange)) return 0;
  gView.FormatLength = length;
  PostMessageA(hwnd, VW_REFORMAT, 0, -1);
  return 1;
}

void OnSize(HWND hwnd, WPARAM kind, LPARAM size) {
  gView.ClientWidth = LOWORD(size);
  gView.ClientHeight = HIWORD(size);
  if (kind != SIZE_MINIMIZED) OnLayout(hwnd, true);
}
