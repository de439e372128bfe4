// Cascading and tiling the open viewer windows (at least two).
#pragma once

void CascadeViewers();
// command: tile horizontally (23) or vertically (24).
void TileViewers(int command);
