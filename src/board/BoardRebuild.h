#pragma once

#include "game/PuzzleState.h"

// Rebuilds Board from the placed words (later entries win a shared cell) and
// marks the cells of every word whose label shows it.
void RebuildBoard(PuzzleState& puzzle);

// Calls visit(x, y, character, false) for each character of a placed entry,
// then visit(x, y, kEndMarker, true) for the cells before and after it.
template <typename Visit>
void ForEachCellOf(const WordEntry& word, Visit visit) {
  const int dx = 1 - word.Direction;
  const int dy = word.Direction;
  const int length = static_cast<int>(word.Text.size());
  for (int i = 0; i < length; ++i)
    visit(word.Column + i * dx, word.Row + i * dy, word.Text[i], false);
  visit(word.Column - dx, word.Row - dy, kEndMarker, true);
  visit(word.Column + length * dx, word.Row + length * dy, kEndMarker, true);
}
