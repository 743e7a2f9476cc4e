#pragma once

#include <cstdint>

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// What word-by-word placement reaches, the baseline a puzzle's best is
// measured against: from a random first word at a random place, add the
// highest-point word that fits anywhere while the board stays complete, until
// none does; then start again, until the budget is spent. The same seed and
// budget of steps give the same result.
void RunGreedyRestarts(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                       Budget& budget);
