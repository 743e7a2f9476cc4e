#pragma once

#include <cstdint>

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// The baseline the solver is measured against: from a random first word at a
// random place, add the highest-point word that fits anywhere while the board
// stays complete, until none does; then start again, until the budget is spent.
void RunGreedyRestarts(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                       Budget& budget);
