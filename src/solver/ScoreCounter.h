#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "solver/SatEncoding.h"
#include "solver/SatSolver.h"
#include "solver/Totalizer.h"

// The points at stake, in units of their greatest common divisor: a positive
// word left off gives up its points, a word that costs points gives them up
// by being placed.
struct PointsAtStake {
  PointsAtStake(const SolverPuzzle& puzzle, const SatEncoding& encoding);
  // The best score left after giving up `units`.
  long long ScoreAfter(long long units) const { return positive - units * unit; }

  long long unit = 1;
  long long positive = 0;                          // the points of every positive word
  std::vector<std::pair<long long, int>> givenUp;  // units, and the literal that gives them up
};

// The score of the words on the board held at or above a target by a single
// assumption, so that the solver keeps what it learnt as the target rises.
// A totalizer counts the units given up; sums past what the first target
// allows are one sum, "too many", since the target only rises.
class ScoreCounter {
 public:
  // For scores above `beaten`.
  ScoreCounter(const PointsAtStake& stake, long long beaten);
  // Adds the counters' clauses; false when they would hold more than
  // `maxLiterals` literals.
  bool Build(SatSolver& sat, std::uint64_t maxLiterals);
  // The assumptions that hold the score at `score` or more: none when every
  // arrangement reaches it, nullopt when none can.
  std::optional<std::vector<int>> AtLeast(long long score) const;

 private:
  const PointsAtStake& stake_;
  long long tooMany_ = 0;
  Totalizer::Sums total_;
};
