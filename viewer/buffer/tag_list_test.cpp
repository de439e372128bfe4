#include "viewer/buffer/tag_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Tags {
  std::vector<TagEntry> block = std::vector<TagEntry>(kTagListBlockBytes / sizeof(TagEntry));
  TagList list{block.data(), 0};
  std::vector<FileOffset> Offsets() const {
    std::vector<FileOffset> v;
    for (int i = 0; i < list.Count; ++i) v.push_back(block[i].Offset);
    return v;
  }
};
}  // namespace

// Both ways of adding give the same list, whatever the order of offsets.
constexpr int (*kAdds[])(TagList&, FileOffset, int32_t) = {TagAdd, TagAddAscending};

TEST(TagList, AddKeepsOffsetsSortedAndOrsKinds) {
  for (auto add : kAdds) {
    Tags t;
    EXPECT_EQ(add(t.list, 50, TAG_FOUND), 0);
    EXPECT_EQ(add(t.list, 10, TAG_USER), 0);
    EXPECT_EQ(add(t.list, 30, TAG_FOUND), 1);
    EXPECT_EQ(add(t.list, 50, TAG_USER), 2);
    EXPECT_EQ(add(t.list, 60, TAG_FOUND), 3);
    EXPECT_EQ(add(t.list, 60, TAG_USER), 3);
    EXPECT_EQ(t.Offsets(), (std::vector<FileOffset>{10, 30, 50, 60}));
    EXPECT_EQ(t.block[2].Kinds, TAG_FOUND | TAG_USER);
    EXPECT_EQ(t.block[3].Kinds, TAG_FOUND | TAG_USER);
  }
}

TEST(TagList, FullListRefusesEvenAnOffsetAlreadyThere) {
  for (auto add : kAdds) {
    Tags t;
    ASSERT_GE(t.block.size(), static_cast<size_t>(kTagCapacity) + 1);
    for (int i = 0; i < kTagCapacity; ++i) ASSERT_EQ(add(t.list, i * 2, TAG_FOUND), i);
    EXPECT_EQ(add(t.list, 1, TAG_USER), -1);
    EXPECT_EQ(add(t.list, 0, TAG_USER), -1);
    EXPECT_EQ(add(t.list, kTagCapacity * 2, TAG_USER), -1);
    EXPECT_EQ(t.list.Count, kTagCapacity);
    EXPECT_EQ(t.block[0].Kinds, TAG_FOUND);
    EXPECT_EQ(TagNext(t.list, (kTagCapacity - 1) * 2), -1);  // the sentinel fits
  }
}

TEST(TagList, RemoveRangeIncludesBothEndsInEitherOrder) {
  for (bool swapped : {false, true}) {
    Tags t;
    for (int32_t o : {5, 10, 20, 30, 40}) TagAdd(t.list, o, TAG_FOUND);
    EXPECT_EQ(swapped ? TagRemoveRange(t.list, 30, 10) : TagRemoveRange(t.list, 10, 30), 3);
    EXPECT_EQ(t.Offsets(), (std::vector<FileOffset>{5, 40}));
    EXPECT_EQ(TagRemoveRange(t.list, 41, 100), 0);
    EXPECT_EQ(TagRemoveRange(t.list, 0, 4), 0);
    EXPECT_EQ(TagRemoveRange(t.list, 6, 39), 0);
  }
}

TEST(TagList, NextFindsTheFollowingOffset) {
  Tags t;
  EXPECT_EQ(TagNext(t.list, -1), -1);
  TagAdd(t.list, 10, TAG_FOUND);
  TagAdd(t.list, 20, TAG_FOUND);
  EXPECT_EQ(TagNext(t.list, -1), 10);
  EXPECT_EQ(TagNext(t.list, 10), 20);
  EXPECT_EQ(TagNext(t.list, 15), 20);
  EXPECT_EQ(TagNext(t.list, 20), -1);
}

TEST(TagList, ApplyMarksTheLinesTheTagsLieIn) {
  Tags t;
  TagAdd(t.list, 2, TAG_USER);    // before the first line: marks nothing
  TagAdd(t.list, 12, TAG_FOUND);  // inside the first line
  TagAdd(t.list, 20, TAG_USER);   // at the second line's start
  TagAdd(t.list, 25, TAG_FOUND);
  TagAdd(t.list, 40, TAG_FOUND);  // at the end entry: no line
  std::vector<LineEntry> e = {{0, 0, 0, 0, 0},
                              {10, 0, 5, 0, LF_TAG_MASK | LF_TRUNCATED},
                              {20, 0, 5, 0, 0},
                              {30, 0, 5, 0, LF_INCOMPLETE},
                              {40, 0, -1, 0, 0}};
  LineTable table{e.data(), 5, 1, 1, 4};
  EXPECT_EQ(TagApplyToLines(table, t.list), 1);
  EXPECT_EQ(e[1].Flags, TAG_FOUND | LF_TRUNCATED);
  EXPECT_EQ(e[2].Flags, TAG_USER | TAG_FOUND);
  EXPECT_EQ(e[3].Flags, LF_INCOMPLETE);
  EXPECT_EQ(e[0].Flags, 0);
}
