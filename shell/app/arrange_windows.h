// Cascading and tiling the open viewer windows (at least two).
#pragma once
#include "shell/core/window_arrangement.h"

void CascadeViewers();
void TileViewers(TileDirection direction);
