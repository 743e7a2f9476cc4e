#include "board/CellColours.h"

void DrawCellColours(Game& game) {
  PuzzleState& puzzle = game.Puzzle;
  for (int y = 0; y < puzzle.BoardSize; ++y) {
    for (int x = 0; x < puzzle.BoardSize; ++x)
      puzzle.CellColour(x, y) = RandomColour(game.host.NextRandom());
  }
}
