#include "viewer/view/move_target.h"

#include <limits>

#include "viewer/view/messages.h"
#include "viewer/view/view_state.h"

LPARAM TargetParam(FileOffset target) {
  if (target < 0) return -1;
  if (target <= std::numeric_limits<LPARAM>::max()) return static_cast<LPARAM>(target);
  gView.PendingTarget = target;
  return VW_TARGET_PENDING;
}

bool TakeTarget(LPARAM lParam, FileOffset* target) {
  if (lParam != VW_TARGET_PENDING) {
    *target = lParam < 0 ? -1 : static_cast<FileOffset>(lParam);
    return true;
  }
  *target = gView.PendingTarget;
  gView.PendingTarget = -1;
  return *target >= 0;
}
