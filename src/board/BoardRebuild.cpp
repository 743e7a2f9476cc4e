#include "board/BoardRebuild.h"

void RebuildBoard(PuzzleState& puzzle) {
  const int n = puzzle.BoardSize;
  for (int y = -1; y <= n; ++y) {
    for (int x = -1; x <= n; ++x) {
      if (Grid<char16_t>::Contains(x, y)) puzzle.Board(x, y) = kEmptyCell;
    }
  }
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& word = puzzle.Word(k);
    if (word.Placed != 1) continue;
    const bool shown = word.TextColour == ColourShown;
    ForEachCellOf(word, [&](int x, int y, char16_t c, bool isMarker) {
      if (!Grid<char16_t>::Contains(x, y)) return;
      puzzle.Board(x, y) = c;
      if (shown && !isMarker) puzzle.CellMark(x, y) = kMarkShown;
    });
  }
}
