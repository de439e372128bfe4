#include "shell/core/viewer_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/core/content_rules.h"
#include "shell/core/extension_rules.h"

namespace {
// The viewer libraries not written yet; their types fall back to the text
// viewer with a report until they ship.
const std::set<std::string> kLibrariesToCome = {
    "ZRG32.DLL",  "ZRI32.DLL",   "ZRVWP32.DLL", "ZRDB32.DLL", "ZRSP32.DLL",
    "ZRCP32.DLL", "ZRWAV32.DLL", "ZRFLT32.DLL", "ZRDWG.DLL",  "ZRTTF32.DLL",
};

TEST(ViewerTable, RulesAndRowsAgree) {
  std::set<int> yielded = {kTypeText, kTypeGraphics};  // the text test's two answers
  for (const ExtensionRule& rule : ExtensionRules) yielded.insert(rule.Type);
  for (const ContentRule& rule : ContentRules) yielded.insert(rule.Type);
  for (int type : yielded) EXPECT_TRUE(type >= 0 && type < kViewerTypeCount) << type;
  for (int type = 0; type < kViewerTypeCount; ++type)
    EXPECT_EQ(yielded.count(type), type == 27 ? 0u : 1u) << type;
  for (const ViewerRow& row : ViewerTable)
    EXPECT_NE(LibraryShipped(row.Library), kLibrariesToCome.count(row.Library) == 1) << row.Library;
}
}  // namespace
