#include "solver/Solve.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/SeededRandom.h"
#include "solver/AnnealingSearch.h"
#include "solver/ExactSearch.h"
#include "solver/NeighbourhoodSearch.h"
#include "solver/SatSearch.h"
#include "solver/SearchSchedule.h"

namespace {

// Steps of work in about a second of one core of the development machine.
constexpr double kStepsPerSecond = 2.9e8;

// Puzzles this small are worth most of the time for a proof.
bool WorthAProof(const SolverPuzzle& puzzle) {
  return puzzle.words.size() <= 16 && puzzle.size <= 10;
}

}  // namespace

SolveResult Solve(const SolverPuzzle& puzzle, const SolveOptions& options,
                  const std::atomic<bool>& interrupt,
                  const std::function<void(const SolveProgress&)>& progress) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  std::atomic<bool> stop{false}, proven{false};
  Incumbent incumbent(puzzle.upperBound, stop);
  incumbent.Offer(options.start, ScoreOf(puzzle, options.start));
  auto budgetFor = [&](double seconds) {
    return options.repeatable
               ? Budget::Steps(static_cast<std::uint64_t>(seconds * kStepsPerSecond), stop)
               : Budget::Seconds(seconds, stop);
  };
  std::mutex mutex;
  std::condition_variable finished;
  int running = std::max(1, options.threads);
  auto done = [&] {
    std::lock_guard lock(mutex);
    --running;
    finished.notify_one();
  };

  std::vector<std::thread> workers;
  // The known bound: the puzzle's own, or a lower one from the SAT search.
  std::atomic<long long> bound{puzzle.upperBound};
  workers.emplace_back([&] {
    SearchSchedule schedule({options.threads <= 1, WorthAProof(puzzle), puzzle.searchesEveryWord,
                             FitsSatSearch(puzzle)});
    SatSearch sat(puzzle, options.seed, incumbent);
    SeededRandom seeds(options.seed);
    // A remainder shorter than a millisecond is no turn worth starting.
    for (double left = options.seconds; left > 1e-3 && !stop;) {
      const SearchSchedule::Turn turn = schedule.Next();
      const double seconds = std::min(turn.seconds, left);
      Budget budget = budgetFor(seconds);
      const auto began = Clock::now();
      const std::uint64_t seed = seeds.Next();
      switch (turn.search) {
        case SearchSchedule::Search::Annealing:
          Anneal(puzzle, seed, incumbent, budget);
          break;
        case SearchSchedule::Search::Neighbourhoods:
          SearchNeighbourhoods(puzzle, seed, incumbent, budget);
          break;
        case SearchSchedule::Search::Exact:
          if (SearchExactly(puzzle, incumbent, budget)) proven = stop = true;
          break;
        case SearchSchedule::Search::Sat:
          if (sat.Continue(budget)) proven = stop = true;
          bound = std::min(bound.load(), sat.Bound());
          break;
      }
      // A turn counts what it spent, and a little even when it had nothing
      // to do, so that the loop ends.
      left -= std::max(seconds / 100,
                       options.repeatable
                           ? seconds - static_cast<double>(budget.Unused()) / kStepsPerSecond
                           : std::chrono::duration<double>(Clock::now() - began).count());
    }
    done();
  });
  // The other threads anneal and search neighbourhoods by turns: annealing
  // reaches dense arrangements, neighbourhoods improve sparse ones quickly.
  for (int t = 1; t < options.threads; ++t) {
    workers.emplace_back([&, t] {
      Budget budget = budgetFor(options.seconds);
      const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(t);
      if (t % 2 == 1) {
        Anneal(puzzle, seed, incumbent, budget);
      } else {
        SearchNeighbourhoods(puzzle, seed, incumbent, budget);
      }
      done();
    });
  }

  for (std::unique_lock lock(mutex);
       !finished.wait_for(lock, std::chrono::milliseconds(100), [&] { return running == 0; });) {
    if (interrupt) stop = true;
    progress({incumbent.Score(), proven ? incumbent.Score() : bound.load(),
              std::chrono::duration<double>(Clock::now() - start).count()});
  }
  for (std::thread& worker : workers) worker.join();

  SolveResult result;
  result.arrangement = incumbent.Best();
  result.score = incumbent.Score();
  result.optimal = proven || result.score >= bound;
  result.bound = result.optimal ? result.score : bound.load();
  return result;
}
