// Widths and drawing of a line of document text with its tabs, at the
// tab stops of the device context's font.
#pragma once
#include <windows.h>

#include <string_view>

#include "viewers/documents/formats/paragraph_lines.h"

TextWidth MeasureOn(HDC dc);
void DrawTabbed(HDC dc, int x, int y, std::string_view text);
