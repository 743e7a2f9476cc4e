#include "solver/SearchSchedule.h"

namespace {

// Each round's turns are this much longer than the last round's.
constexpr double kGrowth = 1.3;

}  // namespace

SearchSchedule::SearchSchedule(const Puzzle& puzzle) {
  // Annealing from an empty board finds a good board within a fraction of a
  // second on a small puzzle; the neighbourhoods then improve the best so
  // far. Where other threads anneal, this one leaves annealing to them.
  if (puzzle.alone) round_.push_back({Search::Annealing, 0.2});
  round_.push_back({Search::Neighbourhoods, 0.1});
  // The exact search starts over on each turn, from the best so far: on a
  // small puzzle it has most of the time, elsewhere a twentieth.
  if (puzzle.searchesExactly) round_.push_back({Search::Exact, puzzle.worthAProof ? 0.8 : 0.025});
  // The SAT search carries on from turn to turn with all it has learnt.
  if (puzzle.fitsSat) round_.push_back({Search::Sat, 0.3});
}

SearchSchedule::Turn SearchSchedule::Next() {
  Turn turn = round_[next_];
  turn.seconds *= scale_;
  if (++next_ == round_.size()) {
    next_ = 0;
    scale_ *= kGrowth;
  }
  return turn;
}
