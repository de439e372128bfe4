// The Save Options, Save Setup and Load Setup dialogs.
#pragma once
#include <windows.h>

#include "viewer/settings/named_setups.h"

// True with the masks of the boxes when the user chose Save.
bool SaveOptionsDialog(HWND owner, GroupMasks* masks);
// True when a name and groups were chosen: they are then the state's
// current setup and last group mask.
bool SaveSetupDialog(HWND owner, NamedSetupState& state);
// True when a setup was chosen: it is then the state's current setup.
bool LoadSetupDialog(HWND owner, NamedSetupState& state);
