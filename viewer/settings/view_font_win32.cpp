#include "viewer/settings/view_font_win32.h"

#include <commdlg.h>

#include "common/text_copy.h"
#include "win32/screen_resolution.h"

LOGFONTA ViewLogFont(const ViewOptions& options, LONG height) {
  const FontDetails& d = options.FontDetail;
  LOGFONTA lf = {};
  lf.lfHeight = height;
  lf.lfWidth = d.Width;
  lf.lfEscapement = d.Escapement;
  lf.lfOrientation = d.Orientation;
  lf.lfWeight = options.FontWeight;
  lf.lfItalic = options.FontItalic;
  lf.lfUnderline = d.Underline;
  lf.lfStrikeOut = d.StrikeOut;
  lf.lfCharSet = d.CharSet;
  lf.lfOutPrecision = d.OutPrecision;
  lf.lfClipPrecision = d.ClipPrecision;
  lf.lfQuality = d.Quality;
  lf.lfPitchAndFamily = d.PitchAndFamily;
  CopyText(lf.lfFaceName, options.FontName);
  return lf;
}

bool ChooseViewFont(HWND owner, ViewOptions& options) {
  LOGFONTA lf =
      ViewLogFont(options, PointSizeToHeight(options.FontSize, ScreenPixelsPerInchY(nullptr)));

  CHOOSEFONTA cf = {};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
  if (!ChooseFontA(&cf)) return false;

  CopyText(options.FontName, lf.lfFaceName);
  options.FontSize = cf.iPointSize / 10;
  options.FontWeight = static_cast<int>(lf.lfWeight);
  options.FontItalic = lf.lfItalic;
  options.FontDetail = FontDetails{
      lf.lfWidth,   lf.lfEscapement,   lf.lfOrientation,   lf.lfUnderline, lf.lfStrikeOut,
      lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision, lf.lfQuality,   lf.lfPitchAndFamily};
  return true;
}
