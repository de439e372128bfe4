#include "viewer/app/selection.h"

#include "viewer/app/app_state.h"
#include "viewer/app/auto_scroll.h"
#include "viewer/app/commands.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
// The text row under a mouse position (0 on or above the titles).
int RowAt(LPARAM mousePos) {
  int y = static_cast<short>(HIWORD(mousePos));
  int row = y / (gView.LineHeight > 0 ? gView.LineHeight : 1) - TitleRowCount();
  return row > 0 ? row : 0;
}

bool OnTitles(LPARAM mousePos) {
  return static_cast<short>(HIWORD(mousePos)) < TitleRowCount() * gView.LineHeight;
}

bool Selected(const Selection& s, int entry) {
  return s.SelStart >= 0 && s.SelStart < gLines.Entries[entry + 1].Offset &&
         gLines.Entries[entry].Offset < s.SelEnd;
}

// Inverts the rows on screen whose selected state changed, without a repaint.
void UpdateHighlight(HWND hwnd, const Selection& before) {
  RECT client;
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  for (int row = 0; row <= gView.LinesPerScreen && gLines.Acur + row < gLines.Alast; ++row) {
    int entry = gLines.Acur + row;
    if (Selected(before, entry) == Selected(gSel, entry)) continue;
    int top = (TitleRowCount() + row) * gView.LineHeight;
    RECT r = {0, top, client.right, top + gView.LineHeight};
    InvertRect(dc, &r);
  }
  ReleaseDC(hwnd, dc);
}
}  // namespace

void OnSelectLine(HWND hwnd, LPARAM mousePos) {
  ViewLock view;
  int entry = gLines.Acur + RowAt(mousePos);
  if (!view.ok() || entry >= gLines.Alast) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  Selection before = gSel;
  gSel.SelStart = gSel.AnchorStart = gLines.Entries[entry].Offset;
  gSel.SelEnd = gSel.AnchorEnd = gLines.Entries[entry + 1].Offset;
  UpdateHighlight(hwnd, before);
}

void OnExtendSelection(HWND hwnd, LPARAM mousePos) {
  ViewLock view;
  if (!view.ok() || gLines.Alast <= gLines.Acur) return;
  int entry = gLines.Acur + RowAt(mousePos);
  if (entry > gLines.Alast - 1) entry = gLines.Alast - 1;
  Selection before = gSel;
  // A mouse selection always holds its anchor line. One made by a search
  // has no anchor, or an older one elsewhere: it is its own anchor.
  if (gSel.AnchorStart < 0 || gSel.AnchorStart < gSel.SelStart || gSel.AnchorEnd > gSel.SelEnd) {
    gSel.AnchorStart = gSel.SelStart;
    gSel.AnchorEnd = gSel.SelEnd;
  }
  const LineEntry& line = gLines.Entries[entry];
  if (gSel.AnchorStart < line.Offset) {
    gSel.SelStart = gSel.AnchorStart;
    gSel.SelEnd = gLines.Entries[entry + 1].Offset;
  } else {
    gSel.SelStart = line.Offset;
    gSel.SelEnd = gSel.AnchorEnd;
  }
  UpdateHighlight(hwnd, before);
}

void OnLeftButtonDown(HWND hwnd, WPARAM keys, LPARAM mousePos) {
  if (SelectionDragging() || !gFile.Path[0] || OnTitles(mousePos)) return;
  if ((keys & MK_SHIFT) && HasSelection()) {
    SendMessageA(hwnd, VW_EXTENDSEL, keys, mousePos);
  } else {
    bool exists;
    {
      ViewLock view;
      exists = view.ok() && gLines.Acur + RowAt(mousePos) < gLines.Alast;
    }
    if (!exists) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    SendMessageA(hwnd, VW_SELECTLINE, keys, mousePos);
  }
  SetCapture(hwnd);
  BeginSelectionDrag();
}

void OnLeftButtonDoubleClick(HWND hwnd, LPARAM mousePos) {
  if (OnTitles(mousePos)) return;  // its first click selected nothing to toggle
  bool exists;
  {
    ViewLock view;
    exists = gFile.Path[0] && view.ok() && gLines.Acur + RowAt(mousePos) < gLines.Alast;
  }
  if (exists)
    SendMessageA(hwnd, WM_COMMAND, IDM_MARK_TOGGLE, 0);
  else
    MessageBeep(MB_ICONEXCLAMATION);
}

void OnLeftButtonUp(HWND hwnd) {
  bool dragging = SelectionDragging();
  EndSelectionDrag(hwnd);
  if (dragging) ReleaseCapture();
}

void OnRightButtonDown(HWND hwnd) {
  if (!HasSelection()) return;
  ClearSelection();
  InvalidateRect(hwnd, nullptr, FALSE);
}

void SelectAll(HWND hwnd) {
  if (!gFile.Path[0]) return;
  gSel.SelStart = gSel.AnchorStart = 0;
  gSel.SelEnd = gFile.Flen;
  gSel.AnchorEnd = gFile.Flen - 1 < 1 ? gFile.Flen - 1 : 1;
  InvalidateRect(hwnd, nullptr, FALSE);
}

void Unselect(HWND hwnd) {
  if (!gFile.Path[0]) return;
  ClearSelection();
  InvalidateRect(hwnd, nullptr, FALSE);
}
