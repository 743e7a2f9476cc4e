#pragma once

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// Branch and bound over every complete arrangement. Each arrangement is
// grown word by word from its first word (highest points first), staying
// connected, so each one is met exactly once. Shifted arrangements are the
// same arrangement and a transposed one scores the same, so the first word
// lies across at a fixed cell in the middle of a board twice as wide, and the
// arrangement may not grow wider or taller than the real board. A branch ends
// when its score plus the points of the words that can still be placed cannot
// beat the best found. True when the search ran to its end: the incumbent is
// then the best there is.
bool SearchExactly(const SolverPuzzle& puzzle, Incumbent& incumbent, Budget& budget);
