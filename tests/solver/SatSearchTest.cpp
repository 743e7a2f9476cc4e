// The SAT search against the branch and bound and the game's own rules: on
// small puzzles both prove the same best score, and every board it returns
// is one the game accepts.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "solver/ExactSearch.h"
#include "solver/RandomPuzzles.h"
#include "solver/SatSearch.h"

namespace {

struct Outcome {
  bool proven;
  long long score;
  Arrangement best;
};

bool BySat(const SolverPuzzle& puzzle, Incumbent& incumbent, Budget& budget) {
  return SatSearch(puzzle, 5, incumbent).Continue(budget);
}

template <typename Search>
Outcome RunAlone(const SolverPuzzle& puzzle, Search search,
                 std::uint64_t steps = std::numeric_limits<std::uint64_t>::max() / 2) {
  std::atomic<bool> stop{false};
  Incumbent incumbent(std::numeric_limits<long long>::max(), stop);
  Budget budget = Budget::Steps(steps, stop);
  const bool proven = search(puzzle, incumbent, budget);
  return {proven, incumbent.Score(), incumbent.Best()};
}

void ExpectTheGameAccepts(const PuzzleFile& file, const SolverPuzzle& puzzle,
                          const Arrangement& arrangement) {
  EXPECT_EQ(CheckArrangementByTheGame(WithArrangement(file, puzzle, arrangement)), std::nullopt);
}

// Small boards crowded with short words of few letters, some of them twice,
// some costing points, some without characters: the SAT search and the
// branch and bound prove the same best, which the game accepts.
TEST(SatSearch, ProvesTheBestScoreTheBranchAndBoundProves) {
  std::mt19937 random(11);
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  int shortOfEveryWord = 0;
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    const int size = 3 + below(3), words = 4 + below(4);
    PuzzleFile file = RandomPuzzle(seed, size, words, 1, std::min(size, 4), 2 + below(3),
                                   below(2) ? RandomPoints::Any : RandomPoints::ByLength);
    if (seed % 3 == 0) file.Entries[1].Points = -30;
    if (seed % 4 == 0) file.Entries[2].Text = file.Entries[0].Text;
    if (seed % 7 == 0) file.Entries[3].Text.clear();
    if (seed % 5 == 0) file.Entries[0].Points = 1'000'000'007;  // units of one point
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    const Outcome exact = RunAlone(puzzle, SearchExactly);
    ASSERT_TRUE(exact.proven);
    ASSERT_TRUE(FitsSatSearch(puzzle));
    const Outcome bySat = RunAlone(puzzle, BySat);
    EXPECT_TRUE(bySat.proven);
    EXPECT_EQ(bySat.score, exact.score);
    ExpectTheGameAccepts(file, puzzle, bySat.best);
    shortOfEveryWord += exact.score < puzzle.fittingPoints;
  }
  EXPECT_GT(shortOfEveryWord, 20) << "most puzzles should not be trivial";
}

// Two pairs of crossing words with no character in common: each pair hangs
// together, so the clauses asked for up front allow both pairs at once, and
// only the cut of a board whose letters fall apart leaves the better pair
// alone as the best.
TEST(SatSearch, NeverCountsABoardWhoseLettersFallApart) {
  PuzzleFile file = RandomPuzzle(1, 5, 4, 2, 2, 4);
  const std::u16string texts[] = {u"あい", u"いう", u"かき", u"きく"};
  const int points[] = {30, 30, 20, 20};
  for (int i = 0; i < 4; ++i) {
    file.Entries[static_cast<std::size_t>(i)].Text = texts[i];
    file.Entries[static_cast<std::size_t>(i)].Points = points[i];
  }
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  const Outcome bySat = RunAlone(puzzle, BySat);
  EXPECT_TRUE(bySat.proven);
  EXPECT_EQ(bySat.score, 60);
  ExpectTheGameAccepts(file, puzzle, bySat.best);
}

// A word holding an end marker may lie where the solver's words cannot
// reach: the search places the others but proves nothing.
TEST(SatSearch, ProvesNothingWhenAWordIsNeverSearched) {
  PuzzleFile file = RandomPuzzle(4, 5, 5, 2, 3, 3);
  file.Entries[4].Text = u"あ×";
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  ASSERT_FALSE(puzzle.searchesEveryWord);
  const Outcome bySat = RunAlone(puzzle, BySat);
  EXPECT_FALSE(bySat.proven);
  EXPECT_GT(bySat.score, 0);
  ExpectTheGameAccepts(file, puzzle, bySat.best);
}

// Out of budget the search stops with what it has, a board the game accepts,
// without claiming a proof; with more it goes further.
TEST(SatSearch, StopsWhenItsBudgetIsSpent) {
  const PuzzleFile file = RandomPuzzle(9, 6, 20, 2, 4, 8);
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  ASSERT_TRUE(FitsSatSearch(puzzle));
  const Outcome nothing = RunAlone(puzzle, BySat, 1);
  EXPECT_FALSE(nothing.proven);
  EXPECT_EQ(nothing.score, 0);
  const Outcome some = RunAlone(puzzle, BySat, 100'000'000);
  EXPECT_FALSE(some.proven);
  EXPECT_GT(some.score, 0);
  ExpectTheGameAccepts(file, puzzle, some.best);
}

TEST(SatSearch, LeavesLargePuzzlesToTheOtherSearches) {
  EXPECT_FALSE(FitsSatSearch(MakeSolverPuzzle(RandomPuzzle(2, 30, 90, 3, 8, 20))));
  EXPECT_TRUE(FitsSatSearch(MakeSolverPuzzle(RandomPuzzle(2, 10, 25, 2, 4, 10))));
}

}  // namespace
