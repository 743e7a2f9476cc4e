#include "board/Redraw.h"

#include "board/BoardRebuild.h"

void Redraw(Game& game) {
  RebuildBoard(game.Puzzle);
  game.host.Redraw();
}
