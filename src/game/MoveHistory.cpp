#include "game/MoveHistory.h"

std::size_t MoveHistory::Bytes(const Move& move) {
  return sizeof(Move) + move.changes.capacity() * sizeof(Move::Change);
}

void MoveHistory::Record(Move move) {
  while (moves_.size() > done_) {
    bytes_ -= Bytes(moves_.back());
    moves_.pop_back();
  }
  bytes_ += Bytes(move);
  moves_.push_back(std::move(move));
  while (bytes_ > kMostBytes && moves_.size() > 1) {
    bytes_ -= Bytes(moves_.front());
    moves_.pop_front();
  }
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
  moves_ = {};
  done_ = 0;
  bytes_ = 0;
}
