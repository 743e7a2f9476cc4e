#pragma once

#include <cstdint>

#include "platform/SeededRandom.h"
#include "solver/SearchControl.h"
#include "solver/SolverBoard.h"
#include "solver/SolverPuzzle.h"

// What the local searches on the real board share: the puzzle's words, a
// board of its size, where the characters stand and a seeded generator.
class LocalSearch {
 protected:
  LocalSearch(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent, Budget& budget);

  int Points(int word) const { return puzzle_.words[static_cast<std::size_t>(word)].points; }
  int Length(int word) const {
    return static_cast<int>(texts_[static_cast<std::size_t>(word)].size());
  }
  // The points of an average word.
  double AveragePoints() const;
  double Uniform() { return random_.Uniform(); }
  int Below(int n) { return random_.Below(n); }

  const SolverPuzzle& puzzle_;
  Incumbent& incumbent_;
  Budget& budget_;
  SeededRandom random_;
  const std::vector<std::u16string> texts_;
  SolverBoard board_;
  const Occurrences occurrences_;
};
