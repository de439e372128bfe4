// Profile files with any content, read through the in-memory store: every
// value loads inside its clamps, and what the values drive stays sound.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "viewer/app/display_rules.h"
#include "viewer/app/window_placement.h"
#include "viewer/buffer/page_padding.h"
#include "common/memory_profile.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/titles_profile.h"
#include "viewer/settings/view_options.h"

namespace {
// What the loaded values drive, with any value the profile can hold: the
// window's place, the frozen-column and padding pixels, page padding and
// saving titles must neither overflow nor run long.
void UseTheValues() {
  const ScreenRect work{0, 0, 1280, 1024};
  WindowPos w = VisibleWindowPos(gViewOptions.Window, work, 112, 27);
  if (w.Width != kUseDefault && (w.Width > 1280 || w.Height > 1024)) __builtin_trap();
  int shown = FrozenColumnsShown(gViewOptions.FreezeColumns, 8, 1280);
  if (FrozenEdge(shown, 8) > 1280 + 8 + 3) __builtin_trap();
  if (PaddedWidth(gSetupSettings.PadLineLength, shown, 0, 8, 1280) > 1280) __builtin_trap();

  std::array<LineEntry, 40> e{};
  for (int i = 0; i < 30; ++i) e[i] = LineEntry{i * 10, 0, 0, 0, i % 7 == 3 ? LF_PAGE_BREAK : 0};
  e[30] = LineEntry{300, 0, -1, 0, 0};
  LineTable table{e.data(), static_cast<int16_t>(e.size()), 20, 0, 30};
  PadPages(table, nullptr, gSetupSettings.PadPageLength, 1000);
  if (table.Alast >= table.Acnt) __builtin_trap();

  SaveTitles(kMainSection, nullptr, nullptr);
}
}  // namespace

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
  bool ok = vo.Format >= 0 && vo.Format <= 3 && vo.CharCode >= 0 && vo.CharCode <= CODE_UTF16BE &&
            vo.LineLength >= 8 && vo.TabLength >= 1 && vo.TabLength <= 255 && vo.VertScroll >= 0 &&
            vo.VertScroll <= 2 && vo.HorzScroll >= 0 && vo.HorzScroll <= 2 && vo.FontSize >= 1 &&
            vo.FontSize <= 240 && vo.FontWeight >= 0 && vo.FontWeight <= 900 &&
            std::strlen(vo.FontName) <= static_cast<size_t>(kFontNameChars) &&
            gSetupSettings.FastMouseDelay >= 1 && gSetupSettings.SlowMouseDelay >= 1 &&
            gRecent.FileCount >= 0 && gRecent.FileCount <= kRecentFileSlots;
  if (!ok) __builtin_trap();
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (std::strlen(gRecent.Files[i]) >= static_cast<size_t>(kRecentFileSlotSize)) __builtin_trap();
  UseTheValues();
  return 0;
}
