// The clauses under the SAT search, each against what they stand for: a
// count's sums against the weights of the literals set, the game's rules
// against the best boards of the branch and bound, and the bound from cores
// against the best the clauses allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "solver/CoreBound.h"
#include "solver/ExactSearch.h"
#include "solver/LazyConnectivity.h"
#include "solver/RandomPuzzles.h"
#include "solver/SatEncoding.h"
#include "solver/Totalizer.h"

namespace {

Budget Unlimited(const std::atomic<bool>& stop) {
  return Budget::Steps(std::numeric_limits<std::uint64_t>::max() / 2, stop);
}

SatSolver::Answer SolveUnder(SatSolver& sat, const std::vector<int>& assumptions) {
  const std::atomic<bool> stop{false};
  Budget budget = Unlimited(stop);
  return sat.Solve(assumptions, budget, [] { return false; });
}

// The best score of a small puzzle and a board that makes it, as the branch
// and bound proves them.
std::pair<long long, Arrangement> ProvenBest(const SolverPuzzle& puzzle) {
  std::atomic<bool> stop{false};
  Incumbent incumbent(std::numeric_limits<long long>::max(), stop);
  Budget budget = Unlimited(stop);
  EXPECT_TRUE(SearchExactly(puzzle, incumbent, budget));
  return {incumbent.Score(), incumbent.Best()};
}

void BuildClauses(SatEncoding& encoding) {
  const std::atomic<bool> stop{false};
  Budget budget = Unlimited(stop);
  ASSERT_TRUE(encoding.Build(budget));
}

// Every way of setting six weighted literals: each sum up to the total (or
// the cap) is forced true, and no sum above it is.
TEST(Totalizer, CountsEveryWeightedSumUpToItsCap) {
  std::mt19937 random(3);
  for (int round = 0; round < 12; ++round) {
    SCOPED_TRACE(round);
    SatSolver sat;
    std::vector<std::pair<long long, int>> weighted;
    long long all = 0;
    for (int i = 0; i < 6; ++i) {
      weighted.push_back(
          {std::uniform_int_distribution<long long>(1, 5)(random), sat.NewVariable()});
      all += weighted.back().first;
    }
    const long long cap = std::uniform_int_distribution<long long>(1, 20)(random);
    const auto sums = Totalizer::Count(sat, weighted, cap, 1'000'000);
    ASSERT_TRUE(sums);
    ASSERT_FALSE(sums->empty());
    EXPECT_EQ(sums->back().first, std::min(cap, all));
    for (unsigned set = 0; set < 64; ++set) {
      std::vector<int> assumptions;
      long long total = 0;
      for (unsigned i = 0; i < 6; ++i) {
        const bool on = (set >> i & 1) != 0;
        assumptions.push_back(on ? weighted[i].second : -weighted[i].second);
        total += on ? weighted[i].first : 0;
      }
      for (const auto& [sum, variable] : *sums) {
        std::vector<int> denied = assumptions;
        denied.push_back(-variable);
        // A sum reached cannot be denied; one beyond the total can.
        EXPECT_EQ(SolveUnder(sat, denied), sum <= std::min(total, cap)
                                               ? SatSolver::Answer::Unsatisfiable
                                               : SatSolver::Answer::Satisfiable)
            << "sum " << sum << " of total " << total;
      }
    }
  }
}

// The best boards the branch and bound proves, turned and shifted as the
// symmetry breaking wants them, still pass the game's rules and meet every
// clause: the clauses rule out no board the game accepts, so what the SAT
// search proves holds.
TEST(SatEncoding, AdmitsEveryBestBoardOfTheBranchAndBound) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    SCOPED_TRACE(seed);
    PuzzleFile file = RandomPuzzle(seed, 4 + static_cast<int>(seed % 3), 6, 1, 4, 3);
    if (seed % 4 == 0) file.Entries[2].Text = file.Entries[0].Text;
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    const auto [score, proven] = ProvenBest(puzzle);
    SatSolver sat;
    SatEncoding encoding(puzzle, sat);
    BuildClauses(encoding);
    LazyConnectivity(encoding, sat).AddTouching();
    Arrangement best = encoding.Canonical(proven);
    EXPECT_EQ(ScoreOf(puzzle, best), score);
    EXPECT_EQ(CheckArrangementByTheGame(WithArrangement(file, puzzle, best)), std::nullopt);

    std::vector<int> assumptions = encoding.VariablesOf(best);
    ASSERT_EQ(std::count(assumptions.begin(), assumptions.end(), 0), 0);
    for (int word = 0; word < static_cast<int>(puzzle.words.size()); ++word) {
      if (std::none_of(best.begin(), best.end(),
                       [&](const Placement& p) { return p.word == word; }))
        assumptions.push_back(-encoding.Used(word));
    }
    ASSERT_EQ(SolveUnder(sat, assumptions), SatSolver::Answer::Satisfiable);
    Arrangement model = encoding.ArrangementOf(sat);
    auto byWord = [](const Placement& a, const Placement& b) { return a.word < b.word; };
    std::sort(best.begin(), best.end(), byWord);
    std::sort(model.begin(), model.end(), byWord);
    EXPECT_EQ(model, best);
  }
}

// Core by core, the bound falls but never below the best board (the clauses
// without the connection allow at least as much), and the model that meets
// every assumption at last scores the bound exactly, though some words cost
// points and others share a text.
TEST(CoreBound, FallsToTheBestTheClausesAllowAndNoFurther) {
  int withCores = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    PuzzleFile file = RandomPuzzle(seed, 4, 10, 2, 4, 4, RandomPoints::Any);
    if (seed % 3 == 0) file.Entries[1].Points = -20;
    if (seed % 4 == 0) file.Entries[2].Text = file.Entries[0].Text;
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    const long long best = ProvenBest(puzzle).first;
    SatSolver sat;
    SatEncoding encoding(puzzle, sat);
    BuildClauses(encoding);
    const PointsAtStake stake(puzzle, encoding);
    CoreBound cores(stake);
    int coresFound = 0;
    while (SolveUnder(sat, cores.Assumptions()) == SatSolver::Answer::Unsatisfiable) {
      ASSERT_TRUE(cores.Relax(sat, 1'000'000));
      EXPECT_GE(cores.Bound(), best);
      ASSERT_LT(++coresFound, 100);
    }
    EXPECT_EQ(ScoreOf(puzzle, encoding.ArrangementOf(sat)), cores.Bound());
    withCores += coresFound > 1;
  }
  EXPECT_GT(withCores, 6) << "most puzzles should need several cores";
}

}  // namespace
