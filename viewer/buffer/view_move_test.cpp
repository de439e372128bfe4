#include "viewer/buffer/view_move.h"

#include <gtest/gtest.h>

#include "viewer/buffer/program_error.h"
#include "viewer/buffer/view_fixture.h"

namespace {
std::string Lines(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += "row " + std::to_string(i) + "\n";
  return s;
}
}  // namespace

TEST(ViewMove, OneLineMovesInsideTheTableScrollAndRemember) {
  ViewFixture v;
  v.Open(Lines(3000));
  v.Move(MOVE_REFORMAT, 0, 0);
  const int32_t top = v.Top().Offset;
  MovePlan down = PlanMove(MOVE_SHOWOFFSET, 1, -1, v.file, v.table, 10);
  EXPECT_FALSE(down.Refill);
  EXPECT_EQ(down.Remembered, top);
  EXPECT_EQ(ScrollAfterMove(v.table, down.Remembered), 1);  // the old top is now above
  MovePlan up = PlanMove(MOVE_SHOWOFFSET, -1, -1, v.file, v.table, 10);
  EXPECT_EQ(ScrollAfterMove(v.table, up.Remembered), -1);
  MovePlan page = PlanMove(MOVE_SHOWOFFSET, 10, -1, v.file, v.table, 10);
  EXPECT_EQ(ScrollAfterMove(v.table, page.Remembered), 0);
  // Other messages repaint.
  EXPECT_EQ(PlanMove(MOVE_GOTOBYTE, 0, 0, v.file, v.table, 10).Remembered, -1);
  // So does the error report, although all its lines carry the same offset.
  ReportProgramError(ST_FAILED, "Tarvo", v.file, v.table, v.arena);
  MovePlan again = PlanMove(MOVE_SHOWOFFSET, -10, -1, v.file, v.table, 10);
  ReportProgramError(ST_FAILED, "Tarvo", v.file, v.table, v.arena);
  EXPECT_EQ(ScrollAfterMove(v.table, again.Remembered), 0);
}

TEST(ViewMove, TheMessagesDifferInWhenTheyRefill) {
  ViewFixture v;
  v.Open(Lines(3000));
  v.Move(MOVE_REFORMAT, 0, 0);
  const int32_t offset = v.entries[100].Offset;
  // An offset in the table only moves the top.
  EXPECT_FALSE(PlanMove(MOVE_SHOWOFFSET, 0, offset, v.file, v.table, 10).Refill);
  EXPECT_EQ(v.table.Acur, 100);
  // Go To Byte always refills from the offset, Reformat from the top line.
  MovePlan go = PlanMove(MOVE_GOTOBYTE, 0, offset, v.file, v.table, 10);
  EXPECT_TRUE(go.Refill);
  EXPECT_EQ(go.Target, offset);
  MovePlan re = PlanMove(MOVE_REFORMAT, 0, -1, v.file, v.table, 10);
  EXPECT_TRUE(re.Refill);
  EXPECT_EQ(re.Target, -1);
  EXPECT_EQ(re.Top, 100);
  // Running past the end of the table refills around the new top.
  const int delta = v.table.Alast - 105, row = 100 + delta;
  EXPECT_TRUE(PlanMove(MOVE_SHOWOFFSET, delta, -1, v.file, v.table, 10).Refill);
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, delta, -1), 0);
  EXPECT_EQ(v.Text(v.table.Acur), "row " + std::to_string(row));
  EXPECT_GT(v.table.Acur - v.table.Afirst, 700);
}
