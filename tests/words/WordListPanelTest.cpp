#include <gtest/gtest.h>

#include "board/MouseEditing.h"
#include "fakes/GameWithWords.h"
#include "words/WordListPanel.h"

namespace {

class WordListPanel : public ::testing::Test, public GameWithWords {
 protected:
  WordListPanel() : GameWithWords(5, {u"ねこ", u"こま", u"まり"}) {}

  void Click(int k, int button) {
    La_MouseDown(game, k, button);
    La_MouseUp(game, k, button);
  }
  void PlaceSelected(int x, int y, int button) {
    host.randoms.push_back(0.1);
    Pimain_MouseDown(game, button, Centre(x), Centre(y), 251);
    Pimain_MouseUp(game);
  }
};

TEST_F(WordListPanel, PressesSelectDropAndSwitchTheSelection) {
  Click(1, 1);
  EXPECT_EQ(puzzle.SelectedWord, 1);
  EXPECT_EQ(puzzle.Word(1).TextColour, ColourSelected);
  EXPECT_EQ(puzzle.Word(1).PointsColour, ColourSelected);
  Click(2, 2);
  EXPECT_EQ(puzzle.SelectedWord, 2);
  EXPECT_EQ(puzzle.Word(1).TextColour, ColourUnplaced);
  Click(2, 1);
  EXPECT_EQ(puzzle.SelectedWord, 0);
  EXPECT_EQ(puzzle.Word(2).TextColour, ColourUnplaced);
  EXPECT_EQ(host.sounds, (std::vector<int>{1, 1, 1}));
}

TEST_F(WordListPanel, ALeftPressTakesAPlacedWordBack) {
  Click(1, 1);
  PlaceSelected(0, 0, 1);
  Click(2, 1);
  PlaceSelected(1, 0, 2);
  ASSERT_EQ(puzzle.Score, 30);
  ASSERT_EQ(puzzle.BestScore, 30);
  const int clears = host.clears;
  Click(2, 1);
  EXPECT_EQ(puzzle.Word(2).Placed, 0);
  EXPECT_EQ(puzzle.Word(2).TextColour, ColourUnplaced);
  EXPECT_EQ(puzzle.SelectedWord, 0);
  EXPECT_EQ(puzzle.PlacedCount, 1);
  EXPECT_EQ(puzzle.Score, 10);
  EXPECT_EQ(puzzle.BestScore, 30) << "taking back never raises the best score above it";
  EXPECT_EQ(puzzle.Board(1, 1), kEmptyCell) << "the board is rebuilt at once";
  EXPECT_EQ(host.clears, clears + 1);
  EXPECT_EQ(puzzle.Incomplete, 0);
}

TEST_F(WordListPanel, ARightOrMiddlePressShowsAPlacedWordWhileHeld) {
  Click(1, 1);
  PlaceSelected(0, 0, 1);
  for (int button : {2, 4}) {
    La_MouseDown(game, 1, button);
    EXPECT_EQ(puzzle.Word(1).TextColour, ColourShown);
    EXPECT_EQ(puzzle.SelectedWord, 1);
    RebuildBoard(puzzle);
    EXPECT_EQ(puzzle.CellMark(0, 0), kMarkShown);
    La_MouseDown(game, 1, 1);  // a press on the shown word changes nothing
    EXPECT_EQ(puzzle.Word(1).TextColour, ColourShown);
    La_MouseUp(game, 1, button);
    EXPECT_EQ(puzzle.Word(1).TextColour, ColourPlaced);
    EXPECT_EQ(puzzle.SelectedWord, 0);
    EXPECT_EQ(puzzle.CellMark(0, 0), kMarkNone);
  }
}

TEST_F(WordListPanel, APlacedWordCannotBeTakenBackWhileAnotherIsSelected) {
  Click(1, 1);
  PlaceSelected(0, 0, 1);
  Click(3, 1);
  host.sounds.clear();
  Click(1, 1);
  EXPECT_EQ(puzzle.Word(1).Placed, 1);
  EXPECT_EQ(puzzle.SelectedWord, 3);
  EXPECT_EQ(host.sounds, std::vector<int>{1}) << "the press still sounds";
}

TEST_F(WordListPanel, EveryReleaseClearsTheCellMarks) {
  puzzle.CellMark(2, 2) = kMarkProbed;
  puzzle.CellMark(-1, 30) = kMarkShown;
  La_MouseUp(game, 3, 1);
  EXPECT_EQ(puzzle.CellMark(2, 2), kMarkNone);
  EXPECT_EQ(puzzle.CellMark(-1, 30), kMarkNone);
}

}  // namespace
