// The generator against its targets: how long a puzzle takes on one core, and
// whether generated puzzles keep the level they state when the solver
// measures their best again, ten seconds on two threads.
// make bench-generator runs it (about an hour and a half).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "generator/ThemedPuzzle.h"
#include "solver/Solve.h"

namespace {

const std::atomic<bool> kNoCancel{false};

const std::vector<Theme>& Shipped() {
  static const auto themes = std::get<std::vector<Theme>>(LoadThemes(TSUBURA_WORD_LISTS));
  return themes;
}

// Themes mixed: puzzle k of a run takes theme k of the shipped ones.
ThemedPuzzle Make(int size, Level level, int k) {
  const auto seed = static_cast<std::uint64_t>(1000 * size + k);
  const Theme& theme = Shipped()[static_cast<std::size_t>(k) % Shipped().size()];
  return std::get<ThemedPuzzle>(
      MakeThemedPuzzle({&theme}, {size, 0, level, seed}, std::chrono::year_month_day{}, kNoCancel));
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

// One core, every theme once: the slowest and the median generation.
void BM_GenerationTime(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const auto level = static_cast<Level>(state.range(1));
  for (auto _ : state) {
    std::vector<double> seconds;
    for (int k = 0; k < static_cast<int>(Shipped().size()); ++k) {
      const auto start = std::chrono::steady_clock::now();
      Make(size, level, k);
      seconds.push_back(Seconds(start));
    }
    state.counters["median_s"] = Percentile(seconds, 0.5);
    state.counters["slowest_s"] = Percentile(seconds, 1.0);
  }
}
BENCHMARK(BM_GenerationTime)
    ->ArgNames({"size", "level"})
    ->ArgsProduct({{8, 10, 12, 15, 20, 30}, {0, 1, 2}})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

// 50 puzzles asked for at one level (GENERATOR_BENCH_PUZZLES for fewer): how
// many got it, and how many keep the level they state when their best is
// found again by the solver alone; best / greedy as the solver finds it.
void BM_LevelsHoldWhenSolvedAgain(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const auto level = static_cast<Level>(state.range(1));
  const char* count = std::getenv("GENERATOR_BENCH_PUZZLES");
  const int puzzles = count ? std::atoi(count) : 50;
  for (auto _ : state) {
    int asked = 0, held = 0;
    std::vector<double> ratios;
    for (int k = 0; k < puzzles; ++k) {
      const ThemedPuzzle made = Make(size, level, k);
      asked += made.made.level == level;
      const SolverPuzzle puzzle = MakeSolverPuzzle(made.made.file);
      const SolveResult again = Solve(puzzle, {10, 2, 1, {}, false}, kNoCancel, [](auto&) {});
      Measure measure = made.made.measure;
      measure.best = again.score;
      held += Meets(made.made.level, measure);
      ratios.push_back(static_cast<double>(again.score) /
                       static_cast<double>(std::max<long long>(1, measure.greedy)));
    }
    state.counters["puzzles"] = puzzles;
    state.counters["got_the_level"] = asked;
    state.counters["level_held"] = held;
    state.counters["best/greedy_min"] = Percentile(ratios, 0);
    state.counters["best/greedy_median"] = Percentile(ratios, 0.5);
    state.counters["best/greedy_max"] = Percentile(ratios, 1);
  }
}
BENCHMARK(BM_LevelsHoldWhenSolvedAgain)
    ->ArgNames({"size", "level"})
    ->ArgsProduct({{8, 12, 15}, {0, 1, 2}})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
