#include "shell/core/viewer_table.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/core/content_rules.h"
#include "shell/core/extension_rules.h"

namespace {

TEST(ViewerTable, RulesAndRowsAgree) {
  std::set<int> yielded = {kTypeText, kTypeGraphics};  // the text test's two answers
  for (const ExtensionRule& rule : ExtensionRules) yielded.insert(rule.Type);
  for (const ContentRule& rule : ContentRules) yielded.insert(rule.Type);
  for (int type : yielded) EXPECT_TRUE(type >= 0 && type < kViewerTypeCount) << type;
  for (int type = 0; type < kViewerTypeCount; ++type)
    EXPECT_EQ(yielded.count(type), type == kTypeDwg ? 0u : 1u) << type;
}
}  // namespace
