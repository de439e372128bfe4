// Profile files with any content, read through the in-memory store: every
// value loads inside its clamps.
#include <cstdint>
#include <cstring>
#include <string>

#include "viewer/settings/memory_profile.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/view_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  MemoryProfile profile(text);
  SetProfileStore(&profile);
  gViewOptions = ViewOptions{};
  gSetupSettings = SetupSettings{};
  gRecent = RecentLists{};
  ReadSetupSettings();
  LoadProfile();
  ReadRecentList("Text", gRecent.Texts);
  const ViewOptions& vo = gViewOptions;
  bool ok = vo.Format >= 0 && vo.Format <= 3 && vo.CharCode >= 0 && vo.CharCode <= 3 &&
            vo.LineLength >= 8 && vo.TabLength >= 1 && vo.TabLength <= 255 && vo.VertScroll >= 0 &&
            vo.VertScroll <= 2 && vo.HorzScroll >= 0 && vo.HorzScroll <= 2 && vo.FontSize >= 1 &&
            vo.FontSize <= 240 && vo.FontWeight >= 0 && vo.FontWeight <= 900 &&
            std::strlen(vo.FontName) <= static_cast<size_t>(kFontNameChars) &&
            gSetupSettings.FastMouseDelay >= 1 && gSetupSettings.SlowMouseDelay >= 1 &&
            gRecent.FileCount >= 0 && gRecent.FileCount <= kRecentFileSlots;
  if (!ok) __builtin_trap();
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (std::strlen(gRecent.Files[i]) >= static_cast<size_t>(kRecentFileSlotSize)) __builtin_trap();
  return 0;
}
