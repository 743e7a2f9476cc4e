#include <chrono>
#include <cstdlib>
#include <variant>

#include "FuzzTargets.h"
#include "solver/Solve.h"

namespace {

// Tiny, so that a fuzzer tries many files; the grace covers starting the
// threads, the last round of work and a slow sanitized build.
constexpr double kBudgetSeconds = 0.01;
constexpr double kGraceSeconds = 0.5;

}  // namespace

void CheckSolverKeepsItsTime(const std::uint8_t* data, std::size_t size) {
  auto decoded = DecodePuzzleFile(Bytes(data, data + size));
  const auto* file = std::get_if<PuzzleFile>(&decoded);
  if (file == nullptr) return;
  const SolverPuzzle puzzle = MakeSolverPuzzle(*file);
  const std::atomic<bool> noInterrupt{false};
  // One thread and two, each starting from what the file holds, as the puzzle
  // tool does. Both watch the clock: a count of steps lasts longer in a
  // sanitized build, but it stops in the same loops.
  for (const int threads : {1, 2}) {
    const SolveOptions options{kBudgetSeconds, threads, 7,
                               ArrangementIn(*file, puzzle).value_or(Arrangement{})};
    const auto start = std::chrono::steady_clock::now();
    const SolveResult result = Solve(puzzle, options, noInterrupt, [](const SolveProgress&) {});
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (took > kBudgetSeconds + kGraceSeconds) std::abort();
    const PuzzleFile solved = WithArrangement(*file, puzzle, result.arrangement);
    if (CheckArrangementByTheGame(solved) || !EncodePuzzleFile(solved)) std::abort();
    if (result.score > result.bound) std::abort();
  }
}
