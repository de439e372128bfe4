// Display Formatting (161), Font (162), Colour (163), Text, Hex Dump and
// Raw Text (311-313) and Wrap (314).
#include "viewer/app/commands.h"
#include "viewer/settings/color_dialog.h"
#include "viewer/settings/format_options_dialog.h"
#include "viewer/settings/view_font_win32.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"

namespace {
// A new layout reformats by itself when it has to; otherwise reformat here
// from the top line.
void Relayout(HWND hwnd) {
  if (SendMessageA(hwnd, VW_LAYOUT, 0, 0) == 0) PostMessageA(hwnd, VW_REFORMAT, 0, -1);
}
}  // namespace

void ApplyViewOptions(HWND hwnd) {
  SendMessageA(hwnd, VW_MAKEFONT, 0, 0);
  Relayout(hwnd);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void FormatOptions(HWND hwnd) {
  FormatOptionsDialog(hwnd, gViewOptions, gSetupSettings);
  ApplyViewOptions(hwnd);
}

void FontCommand(HWND hwnd) {
  if (ChooseViewFont(hwnd, gViewOptions)) ApplyViewOptions(hwnd);
}

void ColorCommand(HWND hwnd) {
  if (ColorDialog(hwnd, gColors)) InvalidateRect(hwnd, nullptr, TRUE);
}

void SwitchFormat(HWND hwnd, int format) {
  ViewOptions& vo = gViewOptions;
  vo.FormatFlags[vo.Format] = vo.CurrentFlags;
  vo.Format = format;
  vo.CurrentFlags = vo.FormatFlags[format];
  Relayout(hwnd);
}

void ToggleWrap(HWND hwnd) {
  ViewOptions& vo = gViewOptions;
  vo.CurrentFlags ^= FMT_WRAP;
  vo.FormatFlags[vo.Format] ^= FMT_WRAP;
  Relayout(hwnd);
}
