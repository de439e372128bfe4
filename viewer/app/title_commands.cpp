// Frozen title lines (136, 137) and frozen columns (138, 139).
#include <cstring>

#include "common/text_copy.h"
#include "viewer/app/app_state.h"
#include "viewer/app/commands.h"
#include "viewer/app/selection.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/freeze_columns_dialog.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/view_blocks.h"

namespace {
constexpr int kMaxTitles = 15;  // the sixteenth entry closes the table

void CopyLinesAsTitles() {
  TitleLock titles;
  ViewLock view;
  if (!titles.ok() || !view.ok()) return;
  int count = 0;
  for (int i = gLines.Afirst; i < gLines.Alast && count < kMaxTitles; ++i) {
    const LineEntry& line = gLines.Entries[i];
    FileOffset next = gLines.Entries[i + 1].Offset;
    if (line.Offset >= gSel.SelEnd || next <= gSel.SelStart) continue;
    // A wide line's units are copied whole and stay on even bytes.
    const bool wide = (line.Flags & LF_WIDE) != 0;
    const int length = line.Length > 0 ? line.Length : 0, bytes = wide ? 2 * length : length;
    if (wide) gTitleText.Tend += gTitleText.Tend & 1;
    if (bytes > gTitleText.Tlen - gTitleText.Tend) break;
    gTitles.Entries[count++] = {line.Offset, gTitleText.Tend, length, 0, wide ? LF_WIDE : 0};
    std::memcpy(gTitleText.Base + gTitleText.Tend, gText.Base + line.TextOffset, bytes);
    gTitleText.Tend += bytes;
  }
  FileOffset closing = count ? gTitles.Entries[count - 1].Offset + 1 : 0;
  gTitles.Entries[count] = {closing, gTitleText.Tend, -1, 0, 0};
  gTitles.Alast = static_cast<int16_t>(count);
}
}  // namespace

void FreezeTitle(HWND hwnd) {
  if (gSel.SelStart < 0 || gSel.SelEnd < 0) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  if (!AllocateTitleBlocks()) {
    ReportMessage(hwnd, "Cannot allocate memory for title.", kAppTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CopyLinesAsTitles();
  ClearSelection();
  InvalidateRect(hwnd, nullptr, FALSE);
}

void ClearTitle(HWND hwnd) {
  FreeTitleBlocks();
  InvalidateRect(hwnd, nullptr, FALSE);
}

void FreezeColumns(HWND hwnd) {
  char line[516] = {};
  {
    ViewLock view;
    if (view.ok() && gLines.Acur < gLines.Alast) {
      const LineEntry& top = gLines.Entries[gLines.Acur];
      int length = top.Length < 515 ? top.Length : 515;
      if (length > 0 && (top.Flags & LF_WIDE))  // the dialog shows the line in ANSI
        WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(gText.Base + top.TextOffset),
                            length, line, 515, nullptr, nullptr);
      else if (length > 0)
        std::memcpy(line, gText.Base + top.TextOffset, length);
    }
  }
  if (FreezeColumnsDialog(hwnd, line, gViewOptions)) InvalidateRect(hwnd, nullptr, FALSE);
}

void ClearColumns(HWND hwnd) {
  gViewOptions.FreezeColumns = 0;
  InvalidateRect(hwnd, nullptr, FALSE);
}
