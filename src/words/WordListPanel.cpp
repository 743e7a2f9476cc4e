#include "words/WordListPanel.h"

#include "board/Redraw.h"
#include "ui/PlaySoundEffect.h"
#include "words/BCheck.h"

namespace {

constexpr int kLeftButton = 1;

void TakeBack(Game& game, int index) {
  PuzzleState& puzzle = game.Puzzle;
  WordEntry& word = puzzle.Word(index);
  word.Placed = 0;
  puzzle.PlacedCount -= 1;
  puzzle.Score = ScorePlus(puzzle.Score, -std::int64_t{word.Points});
  word.SetLabelColours(ColourUnplaced);
  puzzle.SelectedWord = 0;
  // The word's cells and end markers go: the picture is repainted from scratch.
  game.host.ClearPicture();
  Redraw(game);
  CheckAndRaiseBestScore(puzzle);
}

}  // namespace

void La_MouseDown(Game& game, int index, int button) {
  PuzzleState& puzzle = game.Puzzle;
  if (!PuzzleState::IsWordIndex(index)) return;
  PlaySoundEffect(game, 1);
  WordEntry& word = puzzle.Word(index);
  if (puzzle.SelectedWord == 0) {
    puzzle.SelectedWord = index;
    if (word.Placed == 1 && button == kLeftButton) {
      TakeBack(game, index);
    } else if (word.Placed == 1) {
      // Shown on the board while the button is held.
      word.SetLabelColours(ColourShown);
    } else {
      word.SetLabelColours(ColourSelected);
    }
  } else if (puzzle.SelectedWord == index) {
    if (word.TextColour != ColourShown) {
      word.SetLabelColours(ColourUnplaced);
      puzzle.SelectedWord = 0;
    }
  } else if (word.Placed == 0 && PuzzleState::IsWordIndex(puzzle.SelectedWord)) {
    // A placed word can be taken back only while no word is selected.
    puzzle.Word(puzzle.SelectedWord).SetLabelColours(ColourUnplaced);
    puzzle.SelectedWord = index;
    word.SetLabelColours(ColourSelected);
  }
}

void La_MouseUp(Game& game, int index, int button) {
  PuzzleState& puzzle = game.Puzzle;
  // The middle button shows a placed word as the right one does, and its
  // release ends the showing too, so no word is left shown and selected.
  if (index == puzzle.SelectedWord && PuzzleState::IsWordIndex(index) &&
      puzzle.Word(index).Placed == 1 && (button == 2 || button == 4)) {
    puzzle.Word(index).SetLabelColours(ColourPlaced);
    puzzle.SelectedWord = 0;
  }
  puzzle.CellMark.Fill(kMarkNone);
}
