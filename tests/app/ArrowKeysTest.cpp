#include <gtest/gtest.h>

#include "app/ArrowKeys.h"
#include "fakes/ScriptedHost.h"

namespace {

class ArrowKeys : public ::testing::Test {
 protected:
  ScriptedHost host;
  Game game{host};

  void SetUp() override { game.Settings.SoundSwitch[1] = 1; }

  void Words(int n, std::initializer_list<int> placed = {}) {
    game.Puzzle.WordCount = static_cast<std::int16_t>(n);
    for (int k : placed) game.Puzzle.Word(k).Placed = 1;
  }
  void Select(int s) {
    game.Puzzle.SelectedWord = s;
    game.Puzzle.Word(s).SetLabelColours(ColourSelected);
  }
  int Press(ArrowKey key) {
    RunArrowKeyCommand(game, key);
    return game.Puzzle.SelectedWord;
  }
};

TEST_F(ArrowKeys, NothingSelectedMeansNoKeyDoesAnything) {
  Words(5);
  for (ArrowKey key : {ArrowKey::Up, ArrowKey::Down, ArrowKey::Left, ArrowKey::Right}) {
    EXPECT_EQ(Press(key), 0);
  }
  EXPECT_TRUE(host.sounds.empty());
  EXPECT_TRUE(host.waits.empty());
}

TEST_F(ArrowKeys, FiveWordsJumpByThreeAndTheMiddleStays) {
  Words(5);
  Select(4);
  EXPECT_EQ(Press(ArrowKey::Left), 1);
  EXPECT_EQ(game.Puzzle.Word(4).TextColour, ColourUnplaced);
  EXPECT_EQ(game.Puzzle.Word(1).TextColour, ColourSelected);
  EXPECT_EQ(game.Puzzle.Word(1).PointsColour, ColourSelected);
  EXPECT_EQ(host.sounds, std::vector<int>{1});
  EXPECT_EQ(host.waits, std::vector<int>{80});

  Select(3);
  EXPECT_EQ(Press(ArrowKey::Left), 3);
  EXPECT_EQ(Press(ArrowKey::Right), 3);
  EXPECT_EQ(host.sounds.size(), 1u);
}

TEST_F(ArrowKeys, FourWordsJumpByTwo) {
  Words(4);
  Select(2);
  EXPECT_EQ(Press(ArrowKey::Right), 4);
  Select(3);
  EXPECT_EQ(Press(ArrowKey::Left), 1);
}

TEST_F(ArrowKeys, APlacedTargetOfLeftOrRightLeavesTheSelection) {
  Words(4, {4});
  Select(2);
  EXPECT_EQ(Press(ArrowKey::Right), 2);
  EXPECT_TRUE(host.waits.empty());
}

TEST_F(ArrowKeys, UpAndDownSkipPlacedWordsAndWrap) {
  Words(6, {6, 2});
  Select(1);
  EXPECT_EQ(Press(ArrowKey::Up), 5);
  EXPECT_EQ(Press(ArrowKey::Down), 1);
  EXPECT_EQ(Press(ArrowKey::Down), 3);
}

TEST_F(ArrowKeys, WithEveryOtherWordPlacedOnlyTheEndsWrapBackOntoThemselves) {
  Words(4, {1, 2, 4});
  Select(3);
  EXPECT_EQ(Press(ArrowKey::Up), 3);
  EXPECT_EQ(Press(ArrowKey::Down), 3);
  EXPECT_TRUE(host.waits.empty()) << "from the middle both stop without effect";

  Words(4, {1, 2, 3});
  game.Puzzle.Word(4).Placed = 0;
  Select(4);
  EXPECT_EQ(Press(ArrowKey::Up), 4);
  EXPECT_EQ(host.waits, std::vector<int>{80});
  EXPECT_EQ(Press(ArrowKey::Down), 4);
  EXPECT_EQ(host.waits, std::vector<int>{80}) << "Down from the last entry does not wrap onto it";

  Words(1);
  game.Puzzle.Word(1).Placed = 0;
  Select(1);
  EXPECT_EQ(Press(ArrowKey::Up), 1);
  EXPECT_EQ(Press(ArrowKey::Down), 1);
  EXPECT_EQ(host.waits.size(), 3u);
}

}  // namespace
