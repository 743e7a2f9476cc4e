#pragma once

#include <cstddef>
#include <deque>

#include "game/Move.h"

// The steps of play since the puzzle was opened, and how far back the player
// has gone. A new step forgets the steps taken back before it. Past kMostBytes
// of steps the oldest are forgotten: thousands of clears of a full board
// cannot take the memory away.
class MoveHistory {
 public:
  static constexpr std::size_t kMostBytes = 4'000'000;
  static std::size_t Bytes(const Move& move);

  void Record(Move move);
  // The step to take back, or to take again; nullptr when there is none.
  const Move* StepBack();
  const Move* StepForward();
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < moves_.size(); }
  void Clear();

 private:
  std::deque<Move> moves_;
  std::size_t done_ = 0;  // moves_[0, done_) are in effect
  std::size_t bytes_ = 0;
};
