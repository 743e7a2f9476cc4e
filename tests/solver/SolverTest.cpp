// The solver against the game's own rules: its board answers as the placement
// rule and the completeness check do, and on small puzzles it finds what a
// plain exhaustive search over the game's rules finds.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <tuple>

#include "board/BoardRebuild.h"
#include "board/MouseEditing.h"
#include "solver/ExactSearch.h"
#include "solver/RandomPuzzles.h"
#include "solver/Solve.h"
#include "solver/SolverBoard.h"
#include "words/BCheck.h"

namespace {

std::vector<std::u16string> Texts(const SolverPuzzle& puzzle) {
  std::vector<std::u16string> texts;
  for (const SolverWord& word : puzzle.words) texts.push_back(word.text);
  return texts;
}

PuzzleState Unplaced(const PuzzleFile& file) {
  PuzzleState state;
  ApplyPuzzleFile(file, state);
  for (int k = 1; k <= state.WordCount; ++k) state.Word(k).Placed = 0;
  RebuildBoard(state);
  return state;
}

// Groups of letters joined through their four neighbours, one cell at a time.
int GroupsOfLetters(const SolverBoard& board) {
  const int n = board.Size();
  std::vector<bool> seen(static_cast<std::size_t>(n * n), false);
  int groups = 0;
  for (int start = 0; start < n * n; ++start) {
    if (seen[static_cast<std::size_t>(start)] || !board.IsLetter(start % n, start / n)) continue;
    ++groups;
    std::vector<int> stack{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!stack.empty()) {
      const int x = stack.back() % n, y = stack.back() / n;
      stack.pop_back();
      for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
        const int cell = ny * n + nx;
        if (nx < 0 || ny < 0 || nx >= n || ny >= n || seen[static_cast<std::size_t>(cell)] ||
            !board.IsLetter(nx, ny))
          continue;
        seen[static_cast<std::size_t>(cell)] = true;
        stack.push_back(cell);
      }
    }
  }
  return groups;
}

TEST(SolverBoard, AnswersAsTheGamesPlacementRuleAndCompletenessCheck) {
  std::mt19937 random(5);
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  int placements = 0, completeBoards = 0, joiningPlaces = 0, keptClosed = 0;
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    const PuzzleFile file = RandomPuzzle(seed, 3 + below(5), 8, 1, 5, 2 + below(2));
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    const auto texts = Texts(puzzle);
    SolverBoard board(puzzle.size, texts);
    PuzzleState game = Unplaced(file);
    Arrangement placed;
    for (int step = 0; step < 60; ++step) {
      if (!placed.empty() && below(4) == 0) {  // take a word back
        const std::size_t slot = static_cast<std::size_t>(below(static_cast<int>(placed.size())));
        board.Remove(placed[slot]);
        game.Word(puzzle.words[static_cast<std::size_t>(placed[slot].word)].entry).Placed = 0;
        placed.erase(placed.begin() + static_cast<std::ptrdiff_t>(slot));
      } else {
        const int w = below(static_cast<int>(texts.size()));
        const int k = puzzle.words[static_cast<std::size_t>(w)].entry;
        if (game.Word(k).Placed == 1) continue;
        const Placement p{w, below(puzzle.size + 2) - 1, below(puzzle.size + 2) - 1, below(2) == 1};
        const int dx = p.down ? 0 : 1, dy = p.down ? 1 : 0;
        const bool allowed = PlacementAllowed(game, k, p.x, p.y, dx, dy);
        ASSERT_EQ(board.CanPlace(p), allowed) << "word " << k << " at " << p.x << "," << p.y;
        if (!allowed) continue;
        ++placements;
        board.Place(p);
        placed.push_back(p);
        WordEntry& entry = game.Word(k);
        entry.Placed = 1;
        entry.Column = static_cast<std::int16_t>(p.x);
        entry.Row = static_cast<std::int16_t>(p.y);
        entry.Direction = p.down ? 1 : 0;
      }
      RebuildBoard(game);
      BCheck(game);
      ASSERT_EQ(board.Complete(), game.Incomplete == 0) << "after step " << step;
      ASSERT_EQ(board.Components(), GroupsOfLetters(board)) << "after step " << step;
      // The places where a word would join the board: allowed by the game's
      // rule, with a character on a letter or beside one, across the word.
      // On a complete board, the local check of the runs a place would open
      // answers as the whole check does with the word placed.
      const int w = below(static_cast<int>(texts.size()));
      const int k = puzzle.words[static_cast<std::size_t>(w)].entry;
      std::set<std::tuple<int, int, bool>> joining, expected;
      board.ForEachJoiningPlace(w, [&](const Placement& p) {
        joining.insert({p.x, p.y, p.down});
        if (game.Incomplete != 0) return;
        board.Place(p);
        const bool closed = board.RunsClosed();
        board.Remove(p);
        ASSERT_EQ(board.KeepsRunsClosed(p), closed) << p.x << "," << p.y << " " << p.down;
        keptClosed += closed;
      });
      const int length = static_cast<int>(texts[static_cast<std::size_t>(w)].size());
      for (int y = 0; y < puzzle.size && game.Word(k).Placed == 0; ++y) {
        for (int x = 0; x < puzzle.size; ++x) {
          for (bool down : {false, true}) {
            const int dx = down ? 0 : 1, dy = down ? 1 : 0;
            if (!PlacementAllowed(game, k, x, y, dx, dy)) continue;
            for (int i = 0; i < length; ++i) {
              const int cx = x + dx * i, cy = y + dy * i;
              if (board.IsLetter(cx, cy) || board.IsLetter(cx + dy, cy + dx) ||
                  board.IsLetter(cx - dy, cy - dx))
                expected.insert({x, y, down});
            }
          }
        }
      }
      if (game.Word(k).Placed == 0) {
        ASSERT_EQ(joining, expected) << "word " << w << " after step " << step;
        joiningPlaces += static_cast<int>(joining.size());
      }
      completeBoards += game.Incomplete == 0;
    }
  }
  EXPECT_GT(placements, 1000);
  EXPECT_GT(completeBoards, 300);
  EXPECT_GT(joiningPlaces, 1000);
  EXPECT_GT(keptClosed, 300);
}

// The best complete score by trying every legal set of placements, word by
// word, with the game's rule and check; a branch whose score cannot beat the
// best even with every word left is cut.
class Exhaustive {
 public:
  explicit Exhaustive(const PuzzleFile& file)
      : state_(Unplaced(file)), rest_(static_cast<std::size_t>(state_.WordCount) + 2, 0) {
    for (int k = state_.WordCount; k >= 1; --k)
      rest_[static_cast<std::size_t>(k)] =
          rest_[static_cast<std::size_t>(k) + 1] + std::max(0, state_.Word(k).Points);
  }
  long long Best() {
    Try(1, 0);
    return best_;
  }

 private:
  void Try(int k, long long score) {
    if (score + rest_[static_cast<std::size_t>(k)] <= best_) return;
    if (k > state_.WordCount) {
      BCheck(state_);
      if (state_.Incomplete == 0) best_ = score;
      return;
    }
    const int n = state_.BoardSize;
    WordEntry& word = state_.Word(k);
    for (int down = 0; down <= 1; ++down) {
      for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
          if (!PlacementAllowed(state_, k, c, r, 1 - down, down)) continue;
          const Grid<char16_t> before = state_.Board;
          word.Placed = 1;
          word.Column = static_cast<std::int16_t>(c);
          word.Row = static_cast<std::int16_t>(r);
          word.Direction = static_cast<std::int16_t>(down);
          ForEachCellOf(word, [&](int x, int y, char16_t ch, bool) { state_.Board(x, y) = ch; });
          Try(k + 1, score + word.Points);
          word.Placed = 0;
          state_.Board = before;
        }
      }
    }
    Try(k + 1, score);
  }

  PuzzleState state_;
  std::vector<long long> rest_;  // what words k … WordCount could add
  long long best_ = 0;
};

TEST(Solver, FindsTheBestScoreOfSmallPuzzlesAsAnExhaustiveSearchDoesAndWritesItLegally) {
  const std::atomic<bool> noInterrupt{false};
  int blocked = 0;  // puzzles whose words cannot all be placed
  int bounded = 0;  // puzzles whose lines cannot hold every word
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    // Letters repeat often, so words cross and block each other.
    const int size = 3 + static_cast<int>(seed % 3), words = 5 + static_cast<int>(seed / 3 % 3);
    PuzzleFile file = RandomPuzzle(seed, size, words, 2, size, 3);
    // A word that costs points may still be worth placing to join two groups.
    if (seed % 2 == 0) file.Entries[2].Points = -40;
    const long long expected = Exhaustive(file).Best();
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    blocked += expected < puzzle.fittingPoints;
    bounded += puzzle.upperBound < puzzle.fittingPoints;
    EXPECT_LE(expected, puzzle.upperBound);
    const SolveResult result =
        Solve(puzzle, {10, 1, seed, {}, true}, noInterrupt, [](const SolveProgress&) {});
    EXPECT_TRUE(result.optimal);
    ASSERT_EQ(result.score, expected);
    // The proof alone, without a local search that finds the best first.
    std::atomic<bool> stop{false};
    Incumbent proofOnly(std::numeric_limits<long long>::max(), stop);
    Budget unlimited = Budget::Steps(std::numeric_limits<std::uint64_t>::max() / 2, stop);
    EXPECT_TRUE(SearchExactly(puzzle, proofOnly, unlimited));
    EXPECT_EQ(proofOnly.Score(), expected);

    const PuzzleFile written = WithArrangement(file, puzzle, result.arrangement);
    EXPECT_EQ(CheckArrangementByTheGame(written), std::nullopt);
    EXPECT_EQ(written.Score, expected);
    PuzzleFile unplaced = written;
    for (StoredWord& entry : unplaced.Entries)
      entry.Placed = entry.Column = entry.Row = entry.Direction = 0;
    unplaced.PlacedCount = unplaced.Score = 0;
    PuzzleFile original = file;
    for (StoredWord& entry : original.Entries) entry.Column = entry.Row = entry.Direction = 0;
    EXPECT_EQ(unplaced, original) << "everything but the placement is as read";
  }
  EXPECT_GT(blocked, 50) << "most puzzles should not be trivial";
  EXPECT_GT(bounded, 5);
}

TEST(Solver, OneThreadWithOneSeedGivesTheSameLegalArrangementEveryTime) {
  const std::atomic<bool> noInterrupt{false};
  const PuzzleFile file = RandomPuzzle(3, 12, 40, 3, 6, 8);
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  auto solve = [&] {
    return Solve(puzzle, {0.3, 1, 42, {}, true}, noInterrupt, [](const SolveProgress&) {});
  };
  const SolveResult first = solve();
  EXPECT_GT(first.score, 0);
  EXPECT_EQ(CheckArrangementByTheGame(WithArrangement(file, puzzle, first.arrangement)),
            std::nullopt);
  EXPECT_EQ(solve().arrangement, first.arrangement);
}

// A board in progress is no answer: the search must not start from one.
TEST(Solver, TakesNoArrangementFromAFileWhoseBoardIsIncomplete) {
  PuzzleFile file = RandomPuzzle(3, 12, 40, 3, 6, 8);
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  for (int k : {0, 1}) {  // two words in rows far apart: two groups
    StoredWord& entry = file.Entries[static_cast<std::size_t>(k)];
    entry.Placed = 1;
    entry.Row = static_cast<std::int16_t>(10 * k);
    file.Score += entry.Points;
  }
  file.PlacedCount = 2;
  EXPECT_EQ(ArrangementIn(file, puzzle), std::nullopt);
}

}  // namespace
