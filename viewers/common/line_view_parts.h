// The pieces of the line view's window procedure, one file each: font,
// moves, painting, selection, copying and finding. The libraries use them
// too (printing formats as the view does).
#pragma once
#include <windows.h>

#include "viewer/buffer/line_walk.h"
#include "viewers/common/line_view_state.h"

// line_view_font.cpp: the shared font (given, or asked of the parent when
// font is null), zoomed, and the character cell it gives.
void SetBaseFont(LineView& v, const LOGFONTA* font);
void UpdateFont(LineView& v);
void UpdateLayout(LineView& v);  // lines per screen and columns after a size change

// line_view_move.cpp
int32_t LineLengthOf(const LineView& v);
LineFormat FormatOf(const LineView& v, int32_t lineLength);
void ShowOffset(LineView& v, FileOffset target);  // that offset's line at the top
void MoveBy(LineView& v, int lines);
void Reformat(LineView& v);  // after a change of wrap, font or width
FileOffset TopOffset(const LineView& v);
void OnKey(LineView& v, WPARAM key);
void OnVScroll(LineView& v, int code);
void OnHScroll(LineView& v, int code, int thumb);
void OnWheel(LineView& v, int delta);

// line_view_paint.cpp
void PaintContent(LineView& v, HDC dc, const RECT& area);

// line_view_select.cpp
void SelectLines(LineView& v, FileOffset start, FileOffset end);
void ClearSelection(LineView& v);
void SelectAll(LineView& v);
void OnMouse(LineView& v, UINT msg, WPARAM wParam, int y);

// line_view_copy.cpp
void CopySelection(LineView& v);

// line_view_find.cpp
LRESULT OnFind(LineView& v, bool matchCase, const char* text);
void OnGoTo(LineView& v, FileOffset offset);
