#include "words/LabelColours.h"

void ShowRestingColours(PuzzleState& puzzle) {
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    WordEntry& word = puzzle.Word(k);
    word.SetLabelColours(word.Placed == 1 ? ColourPlaced : ColourUnplaced);
  }
  if (PuzzleState::IsWordIndex(puzzle.SelectedWord)) {
    puzzle.Word(puzzle.SelectedWord).SetLabelColours(ColourSelected);
  }
}
