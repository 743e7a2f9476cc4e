#include "solver/LocalSearch.h"

#include <algorithm>

LocalSearch::LocalSearch(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                         Budget& budget)
    : puzzle_(puzzle),
      incumbent_(incumbent),
      budget_(budget),
      random_(seed),
      texts_(TextsOf(puzzle)),
      board_(puzzle.size, texts_),
      occurrences_(OccurrencesIn(texts_)) {}

double LocalSearch::AveragePoints() const {
  double total = 0;
  for (const SolverWord& word : puzzle_.words) total += word.points;
  return std::max(1.0, total / static_cast<double>(std::max<std::size_t>(1, puzzle_.words.size())));
}
