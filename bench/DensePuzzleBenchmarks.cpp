// Dense puzzles, the kind people make by hand: small boards, many short words
// from few characters, best boards that lay words side by side. A general
// solver, clasp given the game's rules, runs beside the puzzle tool's solver.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Clasp.h"
#include "solver/RandomPuzzles.h"
#include "solver/Solve.h"

namespace {

constexpr int kClaspSeconds = 60, kSolveSeconds = 10, kThreads = 2, kSeeds = 5;

// Puzzle i of the family: boards of 6 to 12, 16 to 50 words of 2 to 4
// characters drawn from 8 to 16 kana, ten points a character or random tens.
PuzzleFile DensePuzzle(int i) {
  const int size = 6 + i % 7, words = 16 + i * 13 % 35, letters = 8 + i * 5 % 9;
  return RandomPuzzle(static_cast<std::uint64_t>(1000 + i), size, words, 2, 4, letters,
                      i % 2 == 0 ? RandomPoints::ByLength : RandomPoints::Any);
}

// On every puzzle clasp proves within its minute, solve proves it too within
// ten seconds; on the others solve's median over five seeds is no lower.
void BM_DensePuzzleAgainstClasp(benchmark::State& state) {
  const PuzzleFile file = DensePuzzle(static_cast<int>(state.range(0)));
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  const std::atomic<bool> noInterrupt{false};
  for (auto _ : state) {
    const auto clasp = RunClasp(file, kClaspSeconds, kThreads);
    std::vector<long long> bests;
    int proven = 0;
    double slowestProof = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
      // A proof ends the run, so its time is the run's.
      const auto start = std::chrono::steady_clock::now();
      const SolveResult result =
          Solve(puzzle, {kSolveSeconds, kThreads, static_cast<std::uint64_t>(seed), {}, false},
                noInterrupt, [](const SolveProgress&) {});
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      bests.push_back(result.score);
      if (result.optimal) {
        ++proven;
        slowestProof = std::max(slowestProof, took.count());
      }
    }
    std::sort(bests.begin(), bests.end());
    state.counters["size"] = file.BoardSize;
    state.counters["words"] = file.WordCount;
    state.counters["clasp"] = clasp ? static_cast<double>(clasp->best) : -1;
    state.counters["clasp_proven"] = clasp && clasp->proven;
    state.counters["solve_median"] = static_cast<double>(bests[bests.size() / 2]);
    state.counters["solve_lowest"] = static_cast<double>(bests.front());
    state.counters["solve_highest"] = static_cast<double>(bests.back());
    state.counters["solve_proven_of_5"] = proven;
    state.counters["slowest_proof_s"] = slowestProof;
  }
}
BENCHMARK(BM_DensePuzzleAgainstClasp)->DenseRange(0, 23)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
