#include "fun/BackgroundClick.h"

#include <array>
#include <cmath>

#include "board/Redraw.h"
#include "ui/PlaySoundEffect.h"

namespace {

struct Sprite {
  int x, y, vx, vy;
};

// Int(R × m + offset), Int rounding down as it does for negative values too.
int Draw(Game& game, double m, double offset = 0) {
  return static_cast<int>(std::floor(game.host.NextRandom() * m + offset));
}

// Where sprite enters and how it moves: from a random edge, a main step of
// 8 to 14 pixels inward and a cross step of -8 to 8, both times the count.
Sprite Launch(Game& game, int count, int width, int height) {
  const int side = Draw(game, 4) + 1;
  const int free = Draw(game, side <= 2 ? height - kSpriteExtent : width - kSpriteExtent);
  const int main = count * 2 * Draw(game, 4, 4);
  const int cross = count * 2 * Draw(game, 9, -4);
  switch (side) {
    case 1:
      return {-kSpriteExtent, free, main, cross};
    case 2:
      return {width, free, -main, cross};
    case 3:
      return {free, -kSpriteExtent, cross, main};
    default:
      return {free, height, cross, -main};
  }
}

void Fly(Game& game, Stage& stage) {
  const int last = Draw(game, 3) + 1 == 3 ? 2 : 0;
  for (int i = 0; i <= last; ++i) {
    if (stage.SpriteVisible(i)) return;  // a flight is already under way
  }
  const int count = last + 1;
  const int width = stage.InnerWidth(), height = stage.InnerHeight();
  std::array<Sprite, 3> sprites{};
  for (int i = 0; i <= last; ++i) {
    sprites[static_cast<std::size_t>(i)] = Launch(game, count, width, height);
    stage.ShowSprite(i, true);
  }
  PlaySoundEffect(game, 9);
  const int redrawEvery = 10 / count;
  for (int frame = 0; frame < kFlightFrames; ++frame) {
    for (int i = 0; i <= last; ++i) {
      Sprite& s = sprites[static_cast<std::size_t>(i)];
      s.x += s.vx;
      s.y += s.vy;
      stage.MoveSprite(i, s.x, s.y);
      game.host.Wait(kSpriteStepMilliseconds);
    }
    if (frame % redrawEvery == 0) Redraw(game);
  }
  for (int i = 0; i <= last; ++i) stage.ShowSprite(i, false);
}

}  // namespace

void Form_Click(Game& game, Stage& stage) {
  switch (game.Settings.Background) {
    case 2:
      stage.SetBackground(RandomColour(game.host.NextRandom()));
      return;
    case 3:
      return Fly(game, stage);
    default:
      return;
  }
}
