#pragma once

#include <vector>

#include "game/Game.h"

// Replaces the player's arrangement by the placed entries of `entries` (the
// entries of a puzzle file of this puzzle, word k at k - 1), and counts and
// checks the board as after a click. Words it leaves out keep their last
// position, as after a take-back.
void PlaceArrangement(Game& game, const std::vector<StoredWord>& entries);
