// Drawings the Wine tests make: a metafile of one filled rectangle over the
// middle half of its square frame (a placeable Windows metafile, or an
// enhanced one), and an HPGL square, so that where a viewer draws them is
// known.
#pragma once
#include <windows.h>

#include <string>

// A Windows metafile with the placeable header, one inch square.
std::string PlaceableWmfBytes(COLORREF fill);
// An enhanced metafile, one inch square, written to path; false when it
// could not be.
bool WriteEmfFile(const std::string& path, COLORREF fill);
// A square of 1000 plotter units in pen 2 (red).
inline constexpr char kHpglSquare[] = "IN;SP2;PU0,0;PD0,1000,1000,1000,1000,0,0,0;PU;";
