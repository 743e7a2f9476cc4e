#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "solver/SolverPuzzle.h"

struct SolveOptions {
  double seconds = 10;
  int threads = 1;
  std::uint64_t seed = 1;
  // A legal, complete arrangement found before: the search counts it as found
  // at once, so that it never answers with less.
  Arrangement start;
  // Counts steps of work calibrated to last about `seconds` instead of
  // watching the clock, so that one thread with one seed gives the same result
  // on every run.
  bool repeatable = false;
};

struct SolveProgress {
  long long best;   // the best complete score found so far
  long long bound;  // no complete arrangement scores more
  double elapsed;   // seconds
};

struct SolveResult {
  Arrangement arrangement;
  long long score = 0;
  long long bound = 0;
  bool optimal = false;  // the search proved no complete arrangement scores more
};

// Searches for the highest-scoring complete arrangement from an empty board
// (and from `options.start`, which the local searches return to now and then).
// One thread gives its searches turns (SearchSchedule), the others anneal or
// search neighbourhoods; all share the best. Raising `interrupt` stops the
// search with the best found so far. `progress` is called now and then from
// the calling thread.
SolveResult Solve(const SolverPuzzle& puzzle, const SolveOptions& options,
                  const std::atomic<bool>& interrupt,
                  const std::function<void(const SolveProgress&)>& progress);
