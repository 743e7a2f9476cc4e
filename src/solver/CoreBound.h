#pragma once

#include <vector>

#include "solver/SatSolver.h"
#include "solver/ScoreCounter.h"
#include "solver/Totalizer.h"

// A bound on the score from above, out of the solver's reasons why the words
// cannot all be placed. The solver is asked for a board that gives nothing
// up, each word's part assumed; when there is none, the assumptions it
// failed on (a core) are a set of which at least one must give way, which
// costs at least the least of their units. The core's literals are then
// counted together, and giving up more than one of them becomes the next
// assumption, so that each unit is counted once (the OLL method of MaxSAT
// solvers). The bound falls core by core; a board that meets every
// assumption gives up no more than the bound says, and is the best there is.
class CoreBound {
 public:
  explicit CoreBound(const PointsAtStake& stake);
  // What to assume: every part still given nothing up.
  std::vector<int> Assumptions() const;
  // After the solver found the assumptions unsatisfiable: the units its core
  // costs go from the bound, and its literals are counted together. False
  // when a count would not fit in `maxLiterals`.
  bool Relax(SatSolver& sat, std::uint64_t maxLiterals);
  // No complete board the clauses allow scores more.
  long long Bound() const;

 private:
  struct Part {
    int literal;  // assumed true: nothing given up here
    long long units;
    int count = -1;          // the count it stands for (-1: a word's own part)
    std::size_t beyond = 0;  // the count's sum it stands below
  };
  struct Count {
    Totalizer::Sums sums;
    long long units;
  };

  const PointsAtStake& stake_;
  std::vector<Part> parts_;
  std::vector<Count> counts_;
  long long givenUp_ = 0;  // units every board gives up
  bool nothingFits_ = false;
};
