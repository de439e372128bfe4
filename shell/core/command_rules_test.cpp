#include "shell/core/command_rules.h"

#include <gtest/gtest.h>

#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"

namespace {

bool Allows(CommandRule rule, CommandContext context, int command = 0) {
  return RuleAllows(rule, command, 0, context);
}

TEST(CommandRules, ZoomFindGoToAndCopyFollowTheType) {
  const CommandContext text{.Type = kTypeText, .Zoom = CMD_ZOOM_5X};
  EXPECT_FALSE(Allows(CommandRule::ZoomsIn, text));
  EXPECT_TRUE(Allows(CommandRule::ZoomsOut, text));
  // The bitmap menu zooms out below 1X, down to .25X.
  EXPECT_TRUE(Allows(CommandRule::ZoomsOut, {.Type = kTypeGraphics, .Zoom = CMD_ZOOM_HALF}));
  EXPECT_FALSE(Allows(CommandRule::ZoomsOut, {.Type = kTypeGraphics, .Zoom = CMD_ZOOM_QUARTER}));
  EXPECT_FALSE(Allows(CommandRule::Finds, {.Type = kTypeSound}));
  EXPECT_TRUE(Allows(CommandRule::GoesTo, {.Type = kTypeDbf}));
  EXPECT_FALSE(Allows(CommandRule::GoesTo, {.Type = kTypeWps}));
  EXPECT_FALSE(Allows(CommandRule::GoesTo, {.Type = kTypeWksFF}));
  EXPECT_FALSE(Allows(CommandRule::Prints, {.Type = kTypeHex}));
  EXPECT_TRUE(Allows(CommandRule::ShowsText, {.Type = kTypeRichText}));
  EXPECT_FALSE(Allows(CommandRule::ShowsText, {.Type = kTypeText, .Editing = true}));
  EXPECT_TRUE(Allows(CommandRule::SavesAs, {.Type = kTypeWmf}));
  EXPECT_FALSE(Allows(CommandRule::SavesAs, {.Type = kTypeWordPro}));
  EXPECT_FALSE(Allows(CommandRule::Copies, text));
  EXPECT_TRUE(Allows(CommandRule::Copies, {.Type = kTypeLzh}));
  EXPECT_TRUE(Allows(CommandRule::ListEntry, {.FileCount = 3}, 2));
  EXPECT_FALSE(Allows(CommandRule::ListEntry, {.FileCount = 3}, 3));
}

TEST(CommandRules, TheViewItemTickedFollowsTypeAndEditMode) {
  const std::pair<CommandContext, int> cases[] = {
      {{.Type = kTypeRichText}, CMD_ASCII},
      {{.Type = kTypeText, .Editing = true}, CMD_EDIT},
      {{.Type = kTypeTrueType}, CMD_HEX},
      {{.Type = kTypeWdb, .Editing = true}, CMD_VIEWER},
  };
  for (const auto& [context, ticked] : cases) {
    for (int item : {CMD_ASCII, CMD_HEX, CMD_VIEWER, CMD_EDIT})
      EXPECT_EQ(TickShown(CommandTick::ViewItem, item, context), item == ticked)
          << context.Type << " " << item;
  }
}

}  // namespace
