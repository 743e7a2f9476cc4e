#pragma once

#include <cstdint>

#include "files/PuzzleFile.h"
#include "game/Game.h"
#include "solver/Solve.h"

// A search for the best arrangement of the open puzzle, as it stood when the
// search began.
struct SearchJob {
  PuzzleFile file;
  SolverPuzzle puzzle;
  SolveOptions options;
};

// Up to 30 seconds on all cores but one. The player's own board is the one to
// beat when it is complete and scores.
SearchJob PrepareSearch(const PuzzleState& puzzle, unsigned cores, std::uint64_t seed);

// Replaces the player's arrangement by one the search found.
void PlaceFound(Game& game, const SearchJob& job, const Arrangement& found);
