#include <gtest/gtest.h>

#include "fakes/ScriptedHost.h"
#include "fun/BackgroundClick.h"

namespace {

// Records what the tricks do to the window.
class FakeStage : public Stage {
 public:
  struct Move {
    int sprite, left, top;
  };
  std::vector<Colour> backgrounds;
  std::array<bool, 3> visible{};
  std::vector<Move> moves;
  std::vector<std::array<bool, 3>> shownAtMove;

  void SetBackground(Colour colour) override { backgrounds.push_back(colour); }
  int InnerWidth() const override { return 448; }
  int InnerHeight() const override { return 348; }
  bool SpriteVisible(int i) const override { return visible[static_cast<std::size_t>(i)]; }
  void ShowSprite(int i, bool shown) override { visible[static_cast<std::size_t>(i)] = shown; }
  void MoveSprite(int i, int left, int top) override {
    moves.push_back({i, left, top});
    shownAtMove.push_back(visible);
  }
};

class BackgroundClick : public ::testing::Test {
 protected:
  ScriptedHost host;
  Game game{host};
  FakeStage stage;

  void SetUp() override { game.Settings.SoundSwitch.fill(1); }
};

TEST_F(BackgroundClick, GreenPurpleAndUnknownBackgroundsDoNothing) {
  for (std::int16_t background : {0, 1, 4, -1}) {
    game.Settings.Background = background;
    Form_Click(game, stage);
  }
  EXPECT_TRUE(stage.backgrounds.empty());
  EXPECT_TRUE(stage.moves.empty());
  EXPECT_TRUE(host.sounds.empty());
}

TEST_F(BackgroundClick, TheRandomBackgroundGetsANewColourSilently) {
  game.Settings.Background = 2;
  host.randoms = {0.0, 0.5, 0.9999999};
  for (int i = 0; i < 3; ++i) Form_Click(game, stage);
  EXPECT_EQ(stage.backgrounds, (std::vector<Colour>{0, 838608, 1677215}));
  EXPECT_TRUE(host.sounds.empty());
}

TEST_F(BackgroundClick, OneIconFliesFromTheLeftForAHundredAndOneFrames) {
  game.Settings.Background = 3;
  // One sprite, from the left, at y Int(0.5 × 300), A = 2 × Int(0.3 × 4 + 4) = 10,
  // B = 2 × Int(0.1 × 9 - 4) = -8 (Int rounds down).
  host.randoms = {0.1, 0.1, 0.5, 0.3, 0.1};
  Form_Click(game, stage);
  ASSERT_EQ(stage.moves.size(), 101u);
  EXPECT_EQ(stage.moves[0].left, -48 + 10) << "first seen one step inside its start";
  EXPECT_EQ(stage.moves[0].top, 150 - 8);
  EXPECT_EQ(stage.moves[100].left, -48 + 101 * 10);
  EXPECT_EQ(host.waits, std::vector<int>(101, kSpriteStepMilliseconds));
  EXPECT_EQ(host.redraws, 11);
  EXPECT_EQ(host.sounds, std::vector<int>{9});
  EXPECT_TRUE(stage.shownAtMove[0][0]);
  EXPECT_FALSE(stage.visible[0]) << "hidden after the flight";
}

TEST_F(BackgroundClick, ThreeIconsFlyFromEachOtherEdgeThreeTimesAsFast) {
  game.Settings.Background = 3;
  host.randoms = {0.9,                    // three sprites
                  0.3, 0.5,  0.99, 0.5,   // right edge: y 150, A 14, B 0
                  0.6, 0.25, 0.0,  0.99,  // top edge: x 100, A 8, B 8
                  0.9, 0.0,  0.5,  0.0};  // bottom edge: x 0, A 12, B -8
  Form_Click(game, stage);
  ASSERT_EQ(stage.moves.size(), 303u);
  EXPECT_EQ(stage.moves[0].sprite, 0);
  EXPECT_EQ(stage.moves[0].left, 448 - 3 * 14);
  EXPECT_EQ(stage.moves[0].top, 150);
  EXPECT_EQ(stage.moves[1].left, 100 + 3 * 8);
  EXPECT_EQ(stage.moves[1].top, -48 + 3 * 8);
  EXPECT_EQ(stage.moves[2].left, 0 - 3 * 8);
  EXPECT_EQ(stage.moves[2].top, 348 - 3 * 12);
  EXPECT_EQ(host.waits.size(), 303u);
  EXPECT_EQ(host.redraws, 34);
  EXPECT_EQ(stage.visible, (std::array<bool, 3>{false, false, false}));
}

TEST_F(BackgroundClick, AClickDuringAFlightIsTurnedAwayAfterItsFirstDraw) {
  game.Settings.Background = 3;
  stage.visible[0] = true;
  host.randoms = {0.1};
  Form_Click(game, stage);
  EXPECT_TRUE(stage.moves.empty());
  EXPECT_TRUE(host.randoms.empty());
  EXPECT_TRUE(host.sounds.empty());
}

}  // namespace
