// The Mark menu: tags on lines through the tag list (131-135).
#include "viewer/app/app_state.h"
#include "viewer/app/commands.h"
#include "viewer/app/layout.h"
#include "viewer/app/selection.h"
#include "viewer/buffer/tag_list.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
struct Range {
  FileOffset Start, End;
};

// The selection, or the top line when nothing is selected.
Range MarkRange() {
  if (HasSelection()) return {gSel.SelStart, gSel.SelEnd};
  return {gLines.Entries[gLines.Acur].Offset, gLines.Entries[gLines.Acur + 1].Offset};
}

bool HaveLines(const ViewLock& view) { return view.ok() && gLines.Acur < gLines.Alast; }

void Finish(HWND hwnd) {
  ClearSelection();
  InvalidateRect(hwnd, nullptr, FALSE);
}
}  // namespace

void ToggleMark(HWND hwnd) {
  {
    ViewLock view;
    if (!HaveLines(view)) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    UpdateLinesPerScreen();
    // The first line the selection touches, so that a search hit inside a
    // line marks that line and not the one after it.
    int target = gLines.Acur;
    for (int i = gLines.Acur; i < gLines.Acur + gView.LinesPerScreen && i < gLines.Alast; ++i)
      if (gLines.Entries[i + 1].Offset > gSel.SelStart) {
        target = i;
        break;
      }
    LineEntry& line = gLines.Entries[target];
    if (line.Flags & LF_TAG_MASK) {
      line.Flags &= ~LF_TAG_MASK;
      TagRemoveRange(gTags, line.Offset, gLines.Entries[target + 1].Offset - 1);
    } else if (TagAdd(gTags, line.Offset, TAG_USER) < 0) {
      MessageBeep(MB_ICONHAND);
    } else {
      line.Flags |= TAG_USER;
    }
  }
  Finish(hwnd);
}

void SetMarks(HWND hwnd) {
  {
    ViewLock view;
    if (!HaveLines(view)) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    Range range = MarkRange();
    int rows = gView.ClientHeight / (gView.LineHeight > 0 ? gView.LineHeight : 1) - TitleRowCount();
    if (rows < 0) rows = 0;
    for (int i = gLines.Acur; i <= gLines.Acur + rows && i < gLines.Alast; ++i) {
      FileOffset offset = gLines.Entries[i].Offset;
      if (offset >= range.End || gLines.Entries[i + 1].Offset <= range.Start)
        continue;  // untouched
      if (TagAdd(gTags, offset, TAG_USER) < 0) {
        MessageBeep(MB_ICONHAND);
        break;
      }
    }
    TagApplyToLines(gLines, gTags);
  }
  Finish(hwnd);
}

void ResetMarks(HWND hwnd) {
  {
    ViewLock view;
    if (!HaveLines(view)) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    Range range = MarkRange();
    TagRemoveRange(gTags, range.Start, range.End - 1 > range.Start ? range.End - 1 : range.Start);
    TagApplyToLines(gLines, gTags);
  }
  Finish(hwnd);
}

void UnmarkAll(HWND hwnd) {
  {
    ViewLock view;
    gTags.Count = 0;
    if (view.ok()) TagApplyToLines(gLines, gTags);
  }
  Finish(hwnd);
}

void NextMark(HWND hwnd) {
  FileOffset next;
  {
    ViewLock view;
    if (!view.ok()) return;
    int second = gLines.Acur + 1 < gLines.Alast ? gLines.Acur + 1 : gLines.Alast;
    FileOffset after = gLines.Entries[second].Offset - 1;
    if (gSel.SelStart + 1 > after) after = gSel.SelStart + 1;
    next = TagNext(gTags, after);
  }
  if (next < 0) {
    PostMessageA(hwnd, WM_VSCROLL, SB_BOTTOM, 0);
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  PostMessageA(hwnd, VW_SHOWOFFSET, 0, TargetParam(next));
}
