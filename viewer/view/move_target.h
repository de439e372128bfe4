// The target offset of a move message (VW_REFORMAT, VW_SHOWOFFSET,
// VW_GOTOBYTE) on its way to the main window: in lParam, or in
// gView.PendingTarget when lParam cannot hold it (messages.h).
#pragma once
#include <windows.h>

#include "viewer/buffer/file_offset.h"

// The lParam that stands for target (below 0: a move by the delta). A
// target too large for lParam is left in gView.PendingTarget.
LPARAM TargetParam(FileOffset target);

// The target a move message's lParam stands for (-1: a move by the delta);
// a pending target is taken, so it serves one message. False when there is
// none: an earlier message took it and made the move.
bool TakeTarget(LPARAM lParam, FileOffset* target);
