#pragma once

#include <cstdint>

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// Large-neighbourhood search for puzzles too large to search exactly. It holds
// a complete arrangement, from the incumbent at first, and improves it over
// and over: take out the words in a random part of the board (or a few random
// words), fill the gap again greedily, highest points first with a little
// noise, each word crossing the words already there, and keep the result when
// it scores no less. Now and then it starts over from the incumbent. The same
// seed and budget of steps give the same search.
void SearchNeighbourhoods(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                          Budget& budget);
