#include "viewer/settings/page_setup.h"

#include <cstdio>
#include <cstring>

#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

PageSetupOptions gPageSetup;

void ReadPageSetup(const char* section) {
  char text[513];
  if (Profile().GetString(section, "PrintOptions", "", text, sizeof text) > 0)
    gPageSetup.PrintOptions = static_cast<uint32_t>(ParseProfileNumber(text));
  if (Profile().GetString(section, "PageMargins", "", text, sizeof text) > 0) {
    int* fields[] = {&gPageSetup.Margins.Top, &gPageSetup.Margins.Left, &gPageSetup.Margins.Right,
                     &gPageSetup.Margins.Bottom};
    const char* piece = text;
    for (int* field : fields) {
      *field = piece ? ParseProfileInt(piece) : 0;
      if (piece) piece = std::strchr(piece, ',');
      if (piece) ++piece;
    }
  }
}

bool SavePageSetup(const char* section) {
  if (gSetupSettings.ProfileReadOnly) return false;
  const PageMargins& m = gPageSetup.Margins;
  char margins[64];
  std::snprintf(margins, sizeof margins, "%d,%d,%d,%d", m.Top, m.Left, m.Right, m.Bottom);
  bool ok = Profile().WriteInt(section, "PrintOptions", gPageSetup.PrintOptions);
  return Profile().WriteString(section, "PageMargins", margins) && ok;
}
