#include "solver/Solve.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "solver/AnnealingSearch.h"
#include "solver/ExactSearch.h"
#include "solver/NeighbourhoodSearch.h"
#include "solver/SatSearch.h"

namespace {

// Steps of work in about a second of one core of the development machine.
constexpr double kStepsPerSecond = 2.9e8;
constexpr double kGlanceSeconds = 0.02;
constexpr double kSatShare = 0.5;

// Puzzles this small are worth most of the time for a proof.
bool WorthAProof(const SolverPuzzle& puzzle) {
  return puzzle.words.size() <= 16 && puzzle.size <= 10;
}

// Where its clauses fit, the neighbourhoods have the first half of the time,
// in one run (they restart from an empty board, and short runs never get past
// it), and the SAT search the second: it finds the dense boards the local
// searches miss, and proves. True when the SAT search proves the incumbent
// best.
bool SearchThenSat(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                   double seconds, const std::function<Budget(double)>& budgetFor) {
  Budget neighbourhoods = budgetFor(seconds * (1 - kSatShare));
  SearchNeighbourhoods(puzzle, seed, incumbent, neighbourhoods);
  Budget bySat = budgetFor(seconds * kSatShare);
  if (SatSearch(puzzle, seed, incumbent).Continue(bySat)) return true;
  // Time the SAT search leaves, should its clauses outgrow their room, goes
  // to the neighbourhoods again.
  if (!bySat.Spent()) SearchNeighbourhoods(puzzle, seed, incumbent, bySat);
  return false;
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
  const double glanceSeconds = std::min(kGlanceSeconds, options.seconds / 4);
  const double proofSeconds =
      (options.seconds - glanceSeconds) * (WorthAProof(puzzle) ? 0.8 : 0.05);
  const double restSeconds = options.seconds - glanceSeconds - proofSeconds;
  workers.emplace_back([&] {
    // A short local search first often finds the best at once, which spares
    // the proof most of its branches.
    Budget glance = budgetFor(glanceSeconds);
    SearchNeighbourhoods(puzzle, options.seed, incumbent, glance);
    Budget proof = budgetFor(proofSeconds);
    if (puzzle.searchesEveryWord && SearchExactly(puzzle, incumbent, proof)) {
      proven = stop = true;
    } else if (FitsSatSearch(puzzle)) {
      if (SearchThenSat(puzzle, options.seed, incumbent, restSeconds, budgetFor))
        proven = stop = true;
    } else if (options.threads > 1) {
      Budget rest = budgetFor(restSeconds);
      SearchNeighbourhoods(puzzle, options.seed, incumbent, rest);
    } else {
      // Alone, the thread gives the two local searches half the rest each.
      Budget first = budgetFor(restSeconds / 2);
      Anneal(puzzle, options.seed, incumbent, first);
      Budget second = budgetFor(restSeconds / 2);
      SearchNeighbourhoods(puzzle, options.seed, incumbent, second);
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
    progress({incumbent.Score(), proven ? incumbent.Score() : puzzle.upperBound,
              std::chrono::duration<double>(Clock::now() - start).count()});
  }
  for (std::thread& worker : workers) worker.join();

  SolveResult result;
  result.arrangement = incumbent.Best();
  result.score = incumbent.Score();
  result.optimal = proven || result.score >= puzzle.upperBound;
  result.bound = result.optimal ? result.score : puzzle.upperBound;
  return result;
}
