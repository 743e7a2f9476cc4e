// The solver against its targets: small puzzles proven at once, large ones
// well above greedy restarts, and the shipped 30 x 30 sample over time.
// make bench-solver runs it (about ten minutes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "files/PuzzleFile.h"
#include "platform/ByteFile.h"
#include "solver/GreedyRestarts.h"
#include "solver/RandomPuzzles.h"
#include "solver/Solve.h"

namespace {

const std::atomic<bool> kNoInterrupt{false};

// 10 seconds a run, or SOLVER_BENCH_SECONDS for a quicker look.
double RunSeconds() {
  const char* seconds = std::getenv("SOLVER_BENCH_SECONDS");
  return seconds ? std::atof(seconds) : 10;
}

SolveResult SolveFor(const PuzzleFile& file, double seconds, int threads) {
  return Solve(MakeSolverPuzzle(file), {seconds, threads, 1, {}, threads == 1}, kNoInterrupt,
               [](const SolveProgress&) {});
}

long long GreedyFor(const PuzzleFile& file, double seconds, int threads) {
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  std::atomic<bool> stop{false};
  Incumbent incumbent(puzzle.upperBound, stop);
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      Budget budget = Budget::Seconds(seconds, stop);
      RunGreedyRestarts(puzzle, 100 + static_cast<std::uint64_t>(t), incumbent, budget);
    });
  }
  for (std::thread& worker : workers) worker.join();
  return incumbent.Score();
}

// Up to 7 x 7 cells and 7 words, letters repeating often, in four families
// from short words of two letters to long words of five: the slowest proof
// over 400 puzzles, on one thread.
void BM_ProveSmallPuzzles(benchmark::State& state) {
  struct Family {
    int shortest, longest, letters;
  };
  const Family families[] = {{2, 5, 3}, {1, 3, 2}, {3, 7, 4}, {4, 7, 5}};
  for (auto _ : state) {
    double slowest = 0;
    int proven = 0;
    for (const Family& family : families) {
      for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        const int size = 4 + static_cast<int>(seed % 4);
        const PuzzleFile file = RandomPuzzle(seed, size, 7, family.shortest,
                                             std::min(size, family.longest), family.letters);
        const auto start = std::chrono::steady_clock::now();
        proven += SolveFor(file, 30, 1).optimal;
        slowest = std::max(
            slowest,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      }
    }
    state.counters["slowest_s"] = slowest;
    state.counters["proven_of_400"] = proven;
  }
}
BENCHMARK(BM_ProveSmallPuzzles)->Unit(benchmark::kSecond)->Iterations(1);

// One thread counts steps of work, not seconds, so that a seed always gives
// the same result: how long two seconds' worth takes, from small boards to
// the largest (a run that proves its best stops early and is left out).
void BM_OneThreadRunLength(benchmark::State& state) {
  for (auto _ : state) {
    double shortest = 1e9, longest = 0;
    for (int size : {6, 8, 12, 16, 20, 30}) {
      const PuzzleFile file = RandomPuzzle(static_cast<std::uint64_t>(size), size, 90, 3, 8, 20,
                                           RandomPoints::ByLength);
      const auto start = std::chrono::steady_clock::now();
      if (SolveFor(file, 2, 1).optimal) continue;
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      shortest = std::min(shortest, seconds);
      longest = std::max(longest, seconds);
    }
    state.counters["shortest_s"] = shortest;
    state.counters["longest_s"] = longest;
  }
}
BENCHMARK(BM_OneThreadRunLength)->Unit(benchmark::kSecond)->Iterations(1);

// With SOLVER_BENCH_WRITE set to a folder, the puzzle and the solver's
// arrangement go there as NAME.tbr, for bench/windows.sh to look at.
void WriteSolved(const PuzzleFile& file, const SolveResult& result, const std::string& name) {
  const char* folder = std::getenv("SOLVER_BENCH_WRITE");
  if (!folder) return;
  const PuzzleFile solved = WithArrangement(file, MakeSolverPuzzle(file), result.arrangement);
  if (const auto bytes = EncodePuzzleFile(solved))
    ReplaceFile(std::string(folder) + "/" + name + ".tbr", *bytes);
}

// 90 words of 3 to 8 characters on boards too small for them all: the solver
// and greedy restarts, 10 seconds each on 2 threads. Arguments: the board's
// size, how many letters the words are drawn from (few letters, many
// crossings), and whether points follow length.
void BM_LargePuzzleAgainstGreedy(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const int letters = static_cast<int>(state.range(1));
  const RandomPoints points = state.range(2) ? RandomPoints::ByLength : RandomPoints::Any;
  const PuzzleFile file =
      RandomPuzzle(static_cast<std::uint64_t>(size), size, 90, 3, 8, letters, points);
  for (auto _ : state) {
    const SolveResult result = SolveFor(file, RunSeconds(), 2);
    WriteSolved(file, result,
                "random_" + std::to_string(size) + "_" + std::to_string(letters) +
                    (state.range(2) ? "_by_length" : "_any"));
    const long long solver = result.score;
    const long long greedy = GreedyFor(file, RunSeconds(), 2);
    state.counters["solver"] = static_cast<double>(solver);
    state.counters["greedy"] = static_cast<double>(greedy);
    state.counters["gain_%"] =
        greedy > 0 ? 100.0 * static_cast<double>(solver - greedy) / static_cast<double>(greedy) : 0;
  }
}
BENCHMARK(BM_LargePuzzleAgainstGreedy)
    ->ArgNames({"size", "letters", "by_length"})
    ->ArgsProduct({{8, 12, 16, 20}, {10, 40}, {0, 1}})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace

std::optional<PuzzleFile> Sample(const std::string& folder, const char* name) {
  const auto bytes = ReadBytes(folder + "/" + name + ".tbr");
  if (!bytes) return std::nullopt;
  auto decoded = DecodePuzzleFile(*bytes);
  if (auto* file = std::get_if<PuzzleFile>(&decoded)) return std::move(*file);
  return std::nullopt;
}

// The samples a general solver does well on, over five seeds on two threads:
// the score after ten seconds and when a score was first reached.
void ReportSample(const PuzzleFile& file, const char* name, double seconds, long long mark) {
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  for (std::uint64_t seed = 1; seed <= 5; ++seed) {
    double reached = -1;
    const SolveResult result =
        Solve(puzzle, {seconds, 2, seed, {}, false}, kNoInterrupt, [&](const SolveProgress& p) {
          if (reached < 0 && p.best >= mark) reached = p.elapsed;
        });
    std::printf(
        "%s seed %llu: %lld after %.0f s; %lld %s\n", name, static_cast<unsigned long long>(seed),
        result.score, seconds, mark,
        reached < 0 ? "not reached" : ("reached at " + std::to_string(reached) + " s").c_str());
    std::fflush(stdout);
  }
}

// make bench-solver passes the build folder, which holds the samples: the
// 30 x 30 one against time, then hajimete and tsuzuki over seeds.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 1) {
    if (const auto ookii = Sample(argv[1], "ookii")) {
      std::printf("seconds  solver  greedy  (ookii, 2 threads)\n");
      for (double seconds : {1.0, 2.0, 5.0, 10.0, 30.0}) {
        std::printf("%7.0f  %6lld  %6lld\n", seconds, SolveFor(*ookii, seconds, 2).score,
                    GreedyFor(*ookii, seconds, 2));
        std::fflush(stdout);
      }
    }
    if (const auto hajimete = Sample(argv[1], "hajimete"))
      ReportSample(*hajimete, "hajimete", 10, 280);
    if (const auto tsuzuki = Sample(argv[1], "tsuzuki")) {
      ReportSample(*tsuzuki, "tsuzuki", 10, 3420);
      ReportSample(*tsuzuki, "tsuzuki", 60, 3610);
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
