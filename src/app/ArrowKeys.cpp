#include "app/ArrowKeys.h"

#include "ui/PlaySoundEffect.h"

namespace {

bool Unplaced(const PuzzleState& puzzle, int k) {
  return puzzle.Word(k).Placed != 1;
}

// Steps from s in `step` (+1 or -1) direction, wrapping at the ends, to the
// nearest unplaced entry. The first candidate is not compared with s, so when
// every other entry is placed the walk from the last (Up) or first (Down)
// entry wraps back onto s itself and selects it again.
void StepToUnplaced(Game& game, int step) {
  const PuzzleState& puzzle = game.Puzzle;
  const int n = puzzle.WordCount;
  const int s = puzzle.SelectedWord;
  if (s == 0 || s > n) return;
  auto wrap = [n](int i) { return i == 0 ? n : (i == n + 1 ? 1 : i); };
  int i = wrap(s + step);
  for (;;) {
    if (Unplaced(puzzle, i)) {
      SelectWordByKey(game, i);
      return;
    }
    i += step;
    if (i == s) return;
    i = wrap(i);
  }
}

void JumpByRows(Game& game, bool toSecondHalf) {
  const PuzzleState& puzzle = game.Puzzle;
  const int s = puzzle.SelectedWord;
  const double half = (puzzle.WordCount + 1) / 2.0;
  const int rows = static_cast<int>(half);
  if (s == 0) return;
  if (toSecondHalf ? half <= s : half >= s) return;
  const int t = toSecondHalf ? s + rows : s - rows;
  if (PuzzleState::IsWordIndex(t) && Unplaced(puzzle, t)) SelectWordByKey(game, t);
}

}  // namespace

void RunArrowKeyCommand(Game& game, ArrowKey key) {
  switch (key) {
    case ArrowKey::Up:
      return StepToUnplaced(game, -1);
    case ArrowKey::Down:
      return StepToUnplaced(game, +1);
    case ArrowKey::Left:
      return JumpByRows(game, false);
    case ArrowKey::Right:
      return JumpByRows(game, true);
  }
}

void SelectWordByKey(Game& game, int i) {
  PuzzleState& puzzle = game.Puzzle;
  PlaySoundEffect(game, 1);
  if (PuzzleState::IsWordIndex(puzzle.SelectedWord)) {
    puzzle.Word(puzzle.SelectedWord).SetLabelColours(ColourUnplaced);
  }
  puzzle.SelectedWord = i;
  puzzle.Word(i).SetLabelColours(ColourSelected);
  game.host.Wait(80);
}
