#pragma once

#include "game/Game.h"
#include "records/PuzzleRecord.h"

// Puts a puzzle from the records into play with the board as the player left
// it. Its file, while it is still there and still the same puzzle, is the one
// Save writes to; otherwise the puzzle is saved as a made one is, under its
// name. False, with nothing changed, when no board of it can be had.
bool OpenRecordedPuzzle(Game& game, const PuzzleRecord& record);

// Whether the puzzle can be opened, and if not, why: "" when it can.
std::u16string WhyNotOpenable(const PuzzleRecord& record);
