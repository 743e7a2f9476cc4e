#pragma once

#include <cstdint>

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// Simulated annealing over arrangements on the real board. On the way a state
// may be incomplete (words not yet connected, runs not yet closed) at a cost in
// points for each fault, which lets it reach dense arrangements that no
// word-by-word construction passes through: words side by side, the runs of
// letters they form closed only by the end markers of words placed later.
// Every complete state that beats the best so far goes to the incumbent. Moves
// add an unused word across a character on the board, take a word away, move
// one elsewhere, or shift the whole arrangement; each cooling round ends by
// carrying on from the incumbent or from where it stands. The same seed and
// budget of steps give the same search.
void Anneal(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent, Budget& budget);
