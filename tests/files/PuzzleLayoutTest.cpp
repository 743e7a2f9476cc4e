#include <gtest/gtest.h>

#include "files/PuzzleLayout.h"

namespace {

PuzzleState Words(int count, int longest = 5, int firstPoints = 120) {
  PuzzleState p;
  p.WordCount = static_cast<std::int16_t>(count);
  p.MaxWordLength = static_cast<std::int16_t>(longest);
  p.Word(1).Points = firstPoints;
  p.Word(2).Points = 7;  // only entry 1 sizes the points labels
  return p;
}

TEST(PuzzleLayout, TwentyFiveWordsMakeOneColumn) {
  const PuzzleLayout l = LayOutPuzzle(Words(25));
  ASSERT_EQ(l.La.size(), 25u);
  EXPECT_EQ(l.La[0], (LabelPlace{272, 8, 87}));
  EXPECT_EQ(l.La2[0], (LabelPlace{358, 8, 29}));
  EXPECT_EQ(l.La[24].top, 392);
  EXPECT_EQ(l.La2[1].width, 29);
  EXPECT_EQ(*l.windowWidthTwips, 6156);
  EXPECT_EQ(*l.windowHeightTwips, 8080);
}

TEST(PuzzleLayout, ThirtyOneWordsMakeColumnsOfSixteenAndFifteen) {
  const PuzzleLayout l = LayOutPuzzle(Words(31));
  EXPECT_EQ(l.La[15].left, 272);
  EXPECT_EQ(l.La[15].top, 8 + 16 * 15);
  EXPECT_EQ(l.La[16].left, 272 + 114);
  EXPECT_EQ(l.La[16].top, 8);
  EXPECT_EQ(l.La[30].top, 8 + 16 * 14);
  EXPECT_EQ(*l.windowWidthTwips, 150 + 4150 + 16 * 2 * 116);
}

TEST(PuzzleLayout, FortyFiveWordsPutTwentyThreeInTheFirstColumn) {
  const PuzzleLayout l = LayOutPuzzle(Words(45));
  EXPECT_EQ(l.La[22].left, 272);
  EXPECT_EQ(l.La[22].top, 8 + 16 * 22);
  EXPECT_EQ(l.La[23].left, 386);
  EXPECT_EQ(l.La[23].top, 8);
}

TEST(PuzzleLayout, NinetyWordsMakeThreeColumnsOfThirty) {
  const PuzzleLayout l = LayOutPuzzle(Words(90, 3, 5));
  // 3 × 16 + 7 = 55 and 8 + 5 = 13 wide; columns 55 - 1 + 13 - 1 = 66 apart.
  EXPECT_EQ(l.La[89], (LabelPlace{272 + 2 * 66, 8 + 16 * 29, 55}));
  EXPECT_EQ(l.La2[89], (LabelPlace{272 + 2 * 66 + 54, 8 + 16 * 29, 13}));
  EXPECT_EQ(*l.windowWidthTwips, 150 + 4150 + 16 * 3 * 68);
}

TEST(PuzzleLayout, NoWordsKeepTheWindowSize) {
  const PuzzleLayout l = LayOutPuzzle(Words(0));
  EXPECT_TRUE(l.La.empty());
  EXPECT_FALSE(l.windowWidthTwips);
}

TEST(PuzzleLayout, CountersAndBoardFontFollowTheSuffixesAndBoardSize) {
  PuzzleState p = Words(5);
  p.BoardSize = 10;
  PuzzleLayout l = LayOutPuzzle(p);
  EXPECT_EQ(l.lg1Width, 85);
  EXPECT_EQ(l.lg2Width, 15 * (3 + 2 + 6) + 10);
  EXPECT_EQ(l.lg3Width, l.lg2Width);
  EXPECT_DOUBLE_EQ(l.boardFontPoints, 15);
  p.ScoreSuffix = u"ポイントです";
  p.BoardSize = 30;
  l = LayOutPuzzle(p);
  EXPECT_EQ(l.lg2Width, 260);
  EXPECT_DOUBLE_EQ(l.boardFontPoints, 0);
}

}  // namespace
