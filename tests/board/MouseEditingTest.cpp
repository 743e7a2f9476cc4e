#include <gtest/gtest.h>

#include "board/MouseEditing.h"
#include "fakes/GameWithWords.h"

namespace {

class MouseEditing : public ::testing::Test, public GameWithWords {
 protected:
  MouseEditing() : GameWithWords(5, {u"ねこ", u"こま", u"まり", u"ねこ", u"あいうえお", u"りす"}) {}

  // Selects word k and presses cell (x, y) with the button, then releases.
  bool Place(int k, int x, int y, int button) {
    puzzle.SelectedWord = k;
    puzzle.Word(k).SetLabelColours(ColourSelected);
    host.randoms.push_back(0.1);
    Pimain_MouseDown(game, button, Centre(x), Centre(y), 251);
    Pimain_MouseUp(game);
    RebuildBoard(puzzle);
    if (!host.randoms.empty()) host.randoms.clear();
    return puzzle.Word(k).Placed == 1;
  }
};

TEST_F(MouseEditing, HitTestRoundsHalvesToEven) {
  // Ten cells: a step of 2500 hundredths of a pixel.
  EXPECT_EQ(HitTest(24.99f, 0, 251, 10).column, 0);
  EXPECT_EQ(HitTest(25.0f, 0, 251, 10).column, 1);
  EXPECT_EQ(HitTest(0, 249.99f, 251, 10).row, 9);
  // Seven cells: 250 / 7 × 100 = 3571.43 rounds to 3571.
  EXPECT_EQ(HitTest(35.71f, 0, 251, 7).column, 1);
  EXPECT_EQ(HitTest(35.70f, 0, 251, 7).column, 0);
  // Sixteen cells: the step 1562.5 rounds to the even 1562, so 15.62 is in column 1.
  EXPECT_EQ(HitTest(15.62f, 0, 251, 16).column, 1);
  EXPECT_EQ(HitTest(15.61f, 0, 251, 16).column, 0);
}

TEST_F(MouseEditing, LeftPlacesAcrossRightPlacesDownAndTheCountersFollow) {
  ASSERT_TRUE(Place(1, 0, 0, 1));
  EXPECT_EQ(puzzle.Word(1).Direction, 0);
  EXPECT_EQ(puzzle.Word(1).TextColour, ColourPlaced);
  EXPECT_EQ(puzzle.SelectedWord, 0);
  // "こま" down through the こ of ねこ: a crossing that fits.
  ASSERT_TRUE(Place(2, 1, 0, 2));
  EXPECT_EQ(puzzle.Word(2).Direction, 1);
  EXPECT_EQ(puzzle.Board(1, 1), u'ま');
  EXPECT_EQ(puzzle.PlacedCount, 2);
  EXPECT_EQ(puzzle.Score, 30);
  EXPECT_EQ(puzzle.Incomplete, 0);
  EXPECT_EQ(puzzle.BestScore, 30);
  EXPECT_TRUE(host.sounds.empty()) << "placing makes no sound";
}

TEST_F(MouseEditing, ACrossingOfDifferentCharactersIsRefusedAndTheSelectionStays) {
  ASSERT_TRUE(Place(1, 0, 1, 1));  // ねこ across in row 1
  EXPECT_FALSE(Place(3, 1, 0, 2)) << "まり down would put り on こ";
  EXPECT_EQ(puzzle.SelectedWord, 3);
  EXPECT_EQ(puzzle.Word(3).TextColour, ColourSelected);
  EXPECT_FALSE(Place(6, 2, 1, 1)) << "a character never goes onto an end marker";
  ASSERT_TRUE(Place(4, 3, 0, 2));  // ねこ down in column 3
  EXPECT_FALSE(Place(6, 1, 0, 1)) << "りす would end against the ね";
}

TEST_F(MouseEditing, TwoWordsMayShareAnEndMarkerButNotStartAgainstAWord) {
  ASSERT_TRUE(Place(1, 0, 2, 1));  // ねこ at columns 0-1, marker at 2
  EXPECT_TRUE(Place(6, 3, 2, 1));  // りす at columns 3-4, its first marker is the same cell
  EXPECT_EQ(puzzle.Board(2, 2), kEndMarker);
  EXPECT_EQ(puzzle.Incomplete, 1) << "the two words do not touch";
}

TEST_F(MouseEditing, AWordAsLongAsTheBoardFitsFromColumnZeroOnly) {
  EXPECT_FALSE(Place(5, 1, 0, 1));
  EXPECT_TRUE(Place(5, 0, 0, 1));
  EXPECT_EQ(puzzle.Board(-1, 0), kEndMarker);
  EXPECT_EQ(puzzle.Board(5, 0), kEndMarker);
}

TEST_F(MouseEditing, TheSameTextCannotBePlacedExactlyOverItself) {
  ASSERT_TRUE(Place(1, 1, 1, 1));
  EXPECT_FALSE(Place(4, 1, 1, 1));
  EXPECT_TRUE(Place(4, 1, 1, 2)) << "down from the same cell is another placement";
}

TEST_F(MouseEditing, AProbeMarksTheCellAndEveryWordHoldingItsCharacter) {
  ASSERT_TRUE(Place(1, 0, 0, 1));
  Pimain_MouseDown(game, 4, Centre(1), Centre(0), 251);
  EXPECT_EQ(puzzle.CellMark(1, 0), kMarkProbed);
  EXPECT_EQ(puzzle.Word(2).TextColour, ColourProbeMatch);
  EXPECT_EQ(puzzle.Word(2).PointsColour, ColourUnplaced) << "only the word label turns green";
  EXPECT_EQ(puzzle.Word(1).TextColour, ColourProbeMatch);
  EXPECT_EQ(puzzle.Word(3).TextColour, ColourUnplaced);
  Pimain_MouseUp(game);
  EXPECT_EQ(puzzle.CellMark(1, 0), kMarkNone);
  EXPECT_EQ(puzzle.Word(2).TextColour, ColourUnplaced);
  EXPECT_EQ(puzzle.Word(1).TextColour, ColourPlaced);

  Pimain_MouseDown(game, 1, Centre(3), Centre(3), 251);
  EXPECT_EQ(puzzle.CellMark(3, 3), kMarkProbed);
  for (int k = 1; k <= 6; ++k) EXPECT_NE(puzzle.Word(k).TextColour, ColourProbeMatch);
}

TEST_F(MouseEditing, OddPressesPlaceNothing) {
  puzzle.SelectedWord = 1;
  Pimain_MouseDown(game, 4, Centre(0), Centre(0), 251);
  EXPECT_EQ(puzzle.Word(1).Placed, 0) << "the middle button does not place";
  // A placed word being shown is selected, but is never placed again.
  ASSERT_TRUE(Place(1, 0, 0, 1));
  puzzle.SelectedWord = 1;
  puzzle.Word(1).SetLabelColours(ColourShown);
  Pimain_MouseDown(game, 2, Centre(3), Centre(0), 251);
  EXPECT_EQ(puzzle.Score, 10);
  EXPECT_EQ(puzzle.Word(1).Row, 0);
  // No puzzle: nothing at all.
  puzzle.BoardSize = 0;
  puzzle.SelectedWord = 2;
  Pimain_MouseDown(game, 1, 10, 10, 251);
  EXPECT_EQ(puzzle.Word(2).Placed, 0);
}

TEST_F(MouseEditing, TheJokeDrawIsMadeInEveryModeButShownOnlyInTheTalkativeOne) {
  puzzle.SelectedWord = 1;
  host.randoms = {0.95};  // Int(0.95 × 5 + 1) = 5
  Pimain_MouseDown(game, 1, Centre(0), Centre(0), 251);
  EXPECT_TRUE(host.randoms.empty());
  EXPECT_TRUE(host.dialogs.empty());

  game.Settings.MessageMode = kMessageJokes;
  puzzle.SelectedWord = 3;
  host.randoms = {0.95, 0.0};  // the draw, then entry 1 of the catalogue
  host.answers = {0, 0};
  Pimain_MouseDown(game, 1, Centre(0), Centre(2), 251);
  EXPECT_EQ(host.Messages(), (std::vector<std::u16string>{u"１＋１＝？", u"正解！"}));
  EXPECT_EQ(puzzle.Word(3).Placed, 1) << "the placement completes after the joke";
}

TEST_F(MouseEditing, TheRainbowFontDrawsNewCellColoursOnEveryPress) {
  game.Settings.BoardFont = kFontRainbow;
  host.randoms.assign(25, 0.5);
  Pimain_MouseDown(game, 1, Centre(0), Centre(0), 251);
  EXPECT_EQ(puzzle.CellColour(4, 4), static_cast<Colour>(0.5 * 1677216));
  EXPECT_TRUE(host.randoms.empty());
}

}  // namespace
