// Removes main-menu pop-ups and items named by the profile keys
// "DeleteMenu1" (File) to "DeleteMenu6" (Help) of "Tarvo Setup".
#include <cctype>
#include <cstdio>
#include <cstring>

#include "viewer/app/main_window.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"

namespace {
char MnemonicOf(HMENU menu, int position) {
  char text[33] = "";
  if (GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION) <= 0) return 0;
  const char* amp = std::strchr(text, '&');
  if (!amp || !amp[1]) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(amp[1])));
}

// GetMenuState works on every Windows the program starts on (NT 3.51 has no
// GetMenuItemInfo); for a pop-up item its high byte is an item count, so
// pop-ups are never taken for separators.
bool IsSeparator(HMENU menu, int position) {
  UINT state = GetMenuState(menu, position, MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && !GetSubMenu(menu, position) && (state & MF_SEPARATOR);
}

void PruneItems(HMENU popup, const char* letters, bool& belowIsSeparatorOrEnd) {
  for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
    char m = MnemonicOf(popup, i);
    if (!m) continue;
    for (const char* l = letters; *l; ++l)
      if (std::toupper(static_cast<unsigned char>(*l)) == m) {
        DeleteMenu(popup, i, MF_BYPOSITION);
        break;
      }
  }
  for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
    if (!IsSeparator(popup, i)) {
      belowIsSeparatorOrEnd = false;
    } else if (belowIsSeparatorOrEnd || i == 0) {
      DeleteMenu(popup, i, MF_BYPOSITION);
      belowIsSeparatorOrEnd = true;
    } else {
      belowIsSeparatorOrEnd = true;
    }
  }
  if (GetMenuItemCount(popup) > 0 && IsSeparator(popup, 0)) DeleteMenu(popup, 0, MF_BYPOSITION);
}
}  // namespace

void PruneMenu(HWND hwnd) {
  HMENU bar = GetMenu(hwnd);
  bool belowIsSeparatorOrEnd = true;
  for (int pos = GetMenuItemCount(bar) - 1; pos >= 0; --pos) {
    char key[16], value[32];
    std::snprintf(key, sizeof key, "DeleteMenu%d", pos + 1);
    Profile().GetString(kSetupSection, key, "", value, sizeof value);
    if (!value[0]) continue;
    if (value[0] == '*') {
      DeleteMenu(bar, pos, MF_BYPOSITION);
      continue;
    }
    HMENU popup = GetSubMenu(bar, pos);
    if (!popup) return;
    PruneItems(popup, value, belowIsSeparatorOrEnd);
  }
  DrawMenuBar(hwnd);
}
