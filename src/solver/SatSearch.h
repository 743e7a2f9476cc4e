#pragma once

#include <cstdint>
#include <memory>

#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// Whether the puzzle is small enough for a SatSearch: its clauses fit in a
// few megabytes and the solver meets its conflicts quickly.
bool FitsSatSearch(const SolverPuzzle& puzzle);

// An exact search that learns from its conflicts: the game's rules as clauses
// (SatEncoding) for a SAT solver, asked by turns for a board that beats the
// best any search has found, first with the best's words outside a window of
// the board kept in place, then on the whole board (ScoreCounter), and for a
// board that gives up nothing, whose cores bound the score from above
// (CoreBound). A board whose letters fall apart is ruled out and the solver
// asked again (LazyConnectivity); every other board goes to the incumbent,
// checked against the board's rules first. The same seed and budgets of
// steps give the same search.
class SatSearch {
 public:
  SatSearch(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent);
  ~SatSearch();
  SatSearch(const SatSearch&) = delete;
  SatSearch& operator=(const SatSearch&) = delete;

  // Searches until the budget is spent; a later call carries on with all the
  // solver has learnt. True when the solver proved that no complete
  // arrangement scores more than the incumbent.
  bool Continue(Budget& budget);
  // No complete arrangement scores more: the bound its cores have lowered,
  // or the puzzle's own.
  long long Bound() const;

 private:
  struct State;
  const SolverPuzzle& puzzle_;
  std::unique_ptr<State> state_;
};
