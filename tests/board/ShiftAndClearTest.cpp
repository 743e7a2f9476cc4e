#include <gtest/gtest.h>

#include "board/ClearAll.h"
#include "board/ShiftBoard.h"
#include "fakes/GameWithWords.h"

namespace {

class ShiftAndClear : public ::testing::Test, public GameWithWords {
 protected:
  ShiftAndClear() : GameWithWords(5, {u"ねこ", u"こま"}) {}

  void Put(int k, int column, int row, int direction) {
    WordEntry& w = puzzle.Word(k);
    w.Placed = 1;
    w.Column = static_cast<std::int16_t>(column);
    w.Row = static_cast<std::int16_t>(row);
    w.Direction = static_cast<std::int16_t>(direction);
    w.SetLabelColours(ColourPlaced);
    puzzle.PlacedCount += 1;
    puzzle.Score += w.Points;
    RebuildBoard(puzzle);
  }
};

TEST_F(ShiftAndClear, AnEndMarkerAtTheEdgeDoesNotBlockButACharacterDoes) {
  Put(1, 1, 2, 0);  // marker in column 0
  Co_Click(game, 0);
  EXPECT_EQ(puzzle.Word(1).Column, 0);
  RebuildBoard(puzzle);
  EXPECT_EQ(puzzle.Board(-1, 2), kEndMarker);
  Co_Click(game, 0);
  EXPECT_EQ(puzzle.Word(1).Column, 0) << "the first character is in column 0";
  EXPECT_EQ(host.sounds, (std::vector<int>{3, 5}));
  EXPECT_EQ(host.clears, 1) << "a refused move leaves the picture";
}

TEST_F(ShiftAndClear, EachDirectionMovesEveryPlacedWordAndTheBoard) {
  Put(1, 1, 1, 0);
  Put(2, 2, 1, 1);
  puzzle.SelectedWord = 0;
  Co_Click(game, 1);
  EXPECT_EQ(puzzle.Word(1).Column, 2);
  EXPECT_EQ(puzzle.Board(2, 1), u'ね') << "the board moves along until it is rebuilt";
  Co_Click(game, 3);
  EXPECT_EQ(puzzle.Word(2).Row, 2);
  Co_Click(game, 2);
  Co_Click(game, 2);
  EXPECT_EQ(puzzle.Word(1).Row, 0);
  EXPECT_EQ(puzzle.Word(2).Column, 3);
  EXPECT_EQ(puzzle.Word(2).Row, 0);
  EXPECT_EQ(puzzle.Score, 30);
}

TEST_F(ShiftAndClear, RepeatedMovesStopAtTheEdgeAndSoundsFollowTheMoveSwitch) {
  Put(1, 0, 0, 1);
  game.Settings.SoundSwitch[3] = 0;
  game.Settings.SoundSwitch[5] = 1;
  for (int i = 0; i < 5; ++i) Co_Click(game, 1);
  EXPECT_EQ(puzzle.Word(1).Column, 4);
  EXPECT_TRUE(host.sounds.empty()) << "the move switch gates the refusal sound too";
  puzzle.SelectedWord = 2;
  Co_Click(game, 0);
  EXPECT_EQ(puzzle.SelectedWord, 2);
}

TEST_F(ShiftAndClear, WithNoPuzzleMovesDoNothingButClearThePicture) {
  puzzle.BoardSize = 0;
  puzzle.WordCount = 0;
  Co_Click(game, 2);
  EXPECT_EQ(host.clears, 1);
  EXPECT_EQ(host.sounds, std::vector<int>{3});
}

struct ClearCase {
  std::int16_t mode;
  std::vector<int> answers;
  std::vector<std::u16string> questions;
  bool clears;
};

class ClearAllByMode : public ShiftAndClear, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearAllByMode, ClearsOnlyWhenThePlayerAgrees) {
  const ClearCase& c = GetParam();
  Put(1, 0, 0, 0);
  Put(2, 1, 0, 1);
  puzzle.BestScore = 30;
  puzzle.SelectedWord = 0;
  game.Settings.MessageMode = c.mode;
  host.answers.assign(c.answers.begin(), c.answers.end());
  Coc_Click(game);
  EXPECT_EQ(host.Messages(), c.questions);
  if (c.clears) {
    EXPECT_EQ(host.sounds, std::vector<int>{2});
    EXPECT_EQ(puzzle.PlacedCount, 0);
    EXPECT_EQ(puzzle.Score, 0);
    EXPECT_EQ(puzzle.Word(2).Placed, 0);
    EXPECT_EQ(puzzle.Word(2).TextColour, ColourUnplaced);
    EXPECT_EQ(puzzle.Board(1, 1), kEmptyCell);
    EXPECT_EQ(puzzle.BestScore, 30) << "the best score stays";
    EXPECT_EQ(puzzle.Word(2).Column, 1) << "the last placement is remembered";
  } else {
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(puzzle.Score, 30);
    EXPECT_EQ(puzzle.Word(2).Placed, 1);
  }
}

const std::u16string kClear = u"クリアしますか？";
const std::u16string kSure = u"クリアするの？";
const std::u16string kRegret = u"後悔しない？";
const std::u16string kSurely = u"絶対後悔するよ";

INSTANTIATE_TEST_SUITE_P(
    Modes, ClearAllByMode,
    ::testing::Values(ClearCase{0, {0}, {kClear}, true}, ClearCase{0, {1}, {kClear}, false},
                      ClearCase{3, {0}, {kClear}, true}, ClearCase{1, {}, {}, true},
                      ClearCase{7, {}, {}, true},
                      ClearCase{2, {0, 1, 1}, {kSure, kRegret, kSurely}, true},
                      ClearCase{2, {0, 0}, {kSure, kRegret}, false},
                      ClearCase{2, {0, 1, 0}, {kSure, kRegret, kSurely}, false},
                      ClearCase{2, {1}, {kSure}, false}));

TEST_F(ShiftAndClear, ClearAllDeselectsAndKeepsTheMarksOfNoPuzzle) {
  game.Settings.MessageMode = kMessageNone;
  puzzle.SelectedWord = 2;
  puzzle.Word(2).SetLabelColours(ColourSelected);
  puzzle.Incomplete = 1;
  Coc_Click(game);
  EXPECT_EQ(puzzle.SelectedWord, 0);
  EXPECT_EQ(puzzle.Word(2).TextColour, ColourUnplaced);
  EXPECT_EQ(puzzle.Incomplete, 0);
}

}  // namespace
