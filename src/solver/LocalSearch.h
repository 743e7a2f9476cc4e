#pragma once

#include <cstdint>
#include <random>

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
  double Uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  const SolverPuzzle& puzzle_;
  Incumbent& incumbent_;
  Budget& budget_;
  std::mt19937_64 random_;
  const std::vector<std::u16string> texts_;
  SolverBoard board_;
  const Occurrences occurrences_;
};
