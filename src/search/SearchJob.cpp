#include "search/SearchJob.h"

#include <algorithm>

#include "board/PlaceArrangement.h"

SearchJob PrepareSearch(const PuzzleState& puzzle, unsigned cores, std::uint64_t seed) {
  SearchJob job;
  job.file = PuzzleFileOf(puzzle, true);
  job.puzzle = MakeSolverPuzzle(job.file);
  job.options.seconds = 30;
  job.options.threads = std::max(1, static_cast<int>(cores) - 1);
  job.options.seed = seed;
  job.options.repeatable = false;
  if (puzzle.Score > 0) {
    if (auto held = ArrangementIn(job.file, job.puzzle)) job.options.start = std::move(*held);
  }
  return job;
}

void PlaceFound(Game& game, const SearchJob& job, const Arrangement& found) {
  PlaceArrangement(game, WithArrangement(job.file, job.puzzle, found).Entries);
}
