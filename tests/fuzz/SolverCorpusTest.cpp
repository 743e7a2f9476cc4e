#include <gtest/gtest.h>

#include "FuzzTargets.h"
#include "fuzz/KeptInputs.h"

namespace {

// The puzzles that once kept the solver past its time, and every puzzle the
// reader's corpus holds, each solved with a tiny budget.
TEST(FuzzCorpus, TheSolverKeepsItsTimeOnEveryKeptPuzzle) {
  const int inputs = CheckKeptInputs("solver", CheckSolverKeepsItsTime) +
                     CheckKeptInputs("puzzle_reader", CheckSolverKeepsItsTime);
  EXPECT_GE(inputs, 10);
}

}  // namespace
