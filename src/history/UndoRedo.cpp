#include "history/UndoRedo.h"

#include "board/Redraw.h"
#include "ui/PlaySoundEffect.h"
#include "words/BCheck.h"
#include "words/LabelColours.h"

namespace {

// As after a take-back: the picture is painted afresh from the word list, and
// the check decides the colour of "NOW:" and whether "MAX:" rises.
void Restore(Game& game, const Move& move, bool forward) {
  PuzzleState& puzzle = game.Puzzle;
  ApplyMove(move, forward, puzzle);
  ShowRestingColours(puzzle);
  game.host.ClearPicture();
  Redraw(game);
  CheckAndRaiseBestScore(puzzle);
}

}  // namespace

void RecordStep(Game& game, const std::function<void()>& command) {
  const PlayState before = PlayStateOf(game.Puzzle);
  command();
  const int wordCount = game.Puzzle.WordCount;
  if (auto move = MoveBetween(before, PlayStateOf(game.Puzzle), wordCount)) {
    game.History.Record(std::move(*move));
  }
}

void Undo(Game& game) {
  if (const Move* move = game.History.StepBack()) {
    PlaySoundEffect(game, 1);
    Restore(game, *move, false);
  }
}

void Redo(Game& game) {
  if (const Move* move = game.History.StepForward()) Restore(game, *move, true);
}
