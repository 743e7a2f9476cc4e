#include "history/MoveHistory.h"

void MoveHistory::Record(Move move) {
  moves_.resize(done_);
  moves_.push_back(std::move(move));
  done_ = moves_.size();
}

const Move* MoveHistory::StepBack() {
  if (!CanUndo()) return nullptr;
  return &moves_[--done_];
}

const Move* MoveHistory::StepForward() {
  if (!CanRedo()) return nullptr;
  return &moves_[done_++];
}

void MoveHistory::Clear() {
  moves_.clear();
  moves_.shrink_to_fit();
  done_ = 0;
}
