#include "board/PlaceArrangement.h"

#include "board/Redraw.h"
#include "words/BCheck.h"
#include "words/LabelColours.h"

void PlaceArrangement(Game& game, const std::vector<StoredWord>& entries) {
  PuzzleState& puzzle = game.Puzzle;
  puzzle.PlacedCount = 0;
  puzzle.Score = 0;
  for (int k = 1; k <= puzzle.WordCount && k <= static_cast<int>(entries.size()); ++k) {
    const StoredWord& entry = entries[static_cast<std::size_t>(k - 1)];
    WordEntry& word = puzzle.Word(k);
    if (entry.Placed == 1) {
      word.Placed = 1;
      word.Column = entry.Column;
      word.Row = entry.Row;
      word.Direction = entry.Direction;
      puzzle.PlacedCount += 1;
      puzzle.Score = ScorePlus(puzzle.Score, word.Points);
    } else if (word.Placed == 1) {
      word.Placed = 0;
    }
  }
  puzzle.SelectedWord = 0;
  ShowRestingColours(puzzle);
  game.host.ClearPicture();
  Redraw(game);
  CheckAndRaiseBestScore(puzzle);
}
