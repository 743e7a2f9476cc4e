#include "solver/SearchControl.h"

#include <algorithm>

Budget Budget::Seconds(double seconds, const std::atomic<bool>& stop) {
  Budget budget(stop);
  budget.deadline_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(seconds));
  return budget;
}

Budget Budget::Steps(std::uint64_t steps, const std::atomic<bool>& stop) {
  Budget budget(stop);
  budget.counted_ = true;
  budget.limit_ = steps;
  return budget;
}

bool Budget::Spend(std::uint64_t steps) {
  if (spent_) return false;
  const std::uint64_t before = used_;
  used_ += steps;
  if (counted_) {
    spent_ = used_ > limit_;
  } else if (before / 1024 != used_ / 1024) {  // the clock is read now and then
    spent_ = Clock::now() >= deadline_;
  }
  spent_ = spent_ || stop_.load(std::memory_order_relaxed) ||
           (cancel_ && cancel_->load(std::memory_order_relaxed));
  return !spent_;
}

bool Incumbent::Offer(const Arrangement& arrangement, long long score) {
  std::lock_guard lock(mutex_);
  if (score <= score_.load()) return false;
  best_ = arrangement;
  score_.store(score);
  if (score >= ceiling_) stop_ = true;
  return true;
}

Arrangement Incumbent::Best() const {
  std::lock_guard lock(mutex_);
  return best_;
}
