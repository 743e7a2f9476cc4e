#include "board/ShiftBoard.h"

namespace {

struct Step {
  int dx, dy;
};
constexpr Step kSteps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

bool EdgeHoldsACharacter(const PuzzleState& puzzle, Step step) {
  const int n = puzzle.BoardSize;
  for (int i = 0; i < n; ++i) {
    const int x = step.dx < 0 ? 0 : step.dx > 0 ? n - 1 : i;
    const int y = step.dy < 0 ? 0 : step.dy > 0 ? n - 1 : i;
    const char16_t cell = puzzle.Board(x, y);
    if (cell != kEmptyCell && cell != kEndMarker) return true;
  }
  return false;
}

// Copies each used cell onto its neighbour in the direction of the move,
// starting from the side it moves towards so nothing is overwritten first.
void MoveCells(PuzzleState& puzzle, Step step) {
  const int n = puzzle.BoardSize;
  Grid<char16_t> moved = puzzle.Board;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) moved(x, y) = kEmptyCell;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const int tx = x + step.dx, ty = y + step.dy;
      if (tx >= 0 && ty >= 0 && tx < n && ty < n) moved(tx, ty) = puzzle.Board(x, y);
    }
  }
  puzzle.Board = moved;
}

}  // namespace

void Co_Click(Game& game, int direction) {
  if (direction < 0 || direction > 3) return;
  PuzzleState& puzzle = game.Puzzle;
  const Step step = kSteps[direction];
  const bool blocked = EdgeHoldsACharacter(puzzle, step);
  // The move switch gates both the move sound and the refusal sound.
  if (game.Settings.SoundOn(3)) game.host.PlayClip(blocked ? 5 : 3);
  if (blocked) return;
  MoveCells(puzzle, step);
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    WordEntry& word = puzzle.Word(k);
    if (word.Placed != 1) continue;
    word.Column = static_cast<std::int16_t>(word.Column + step.dx);
    word.Row = static_cast<std::int16_t>(word.Row + step.dy);
  }
  game.host.ClearPicture();
}
