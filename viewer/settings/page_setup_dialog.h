// The Page Setup dialog ("PageSetup"): the parts of the page heading,
// form-feed handling, page titles, shading and the four margins, shown in
// inches or centimetres by the user's regional settings.
#pragma once
#include <windows.h>

#include "viewer/settings/page_setup.h"
#include "viewer/settings/view_options.h"

// options is the process record that the Save button writes to the profile;
// setup gives ProfileReadOnly. Its Shades button edits the process colour
// table. True on OK or Save.
bool PageSetupDialog(HWND owner, PageSetupOptions& options, const SetupSettings& setup);
