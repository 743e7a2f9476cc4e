#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

#include "solver/Placement.h"

// How long a search may go on: until a wall-clock deadline (several threads
// at once), or for a count of steps, which gives the same result on every run
// (one thread). Either way a raised stop flag ends it at once.
class Budget {
 public:
  static Budget Seconds(double seconds, const std::atomic<bool>& stop);
  static Budget Steps(std::uint64_t steps, const std::atomic<bool>& stop);
  // Ends the search also when `cancel` is raised.
  Budget& Or(const std::atomic<bool>& cancel) {
    cancel_ = &cancel;
    return *this;
  }

  // Counts `steps` of work; false once the budget is spent or the flag raised.
  bool Spend(std::uint64_t steps = 1);
  bool Spent() const { return spent_; }
  // Steps of a counted budget left when its search ended early.
  std::uint64_t Unused() const { return used_ < limit_ ? limit_ - used_ : 0; }

 private:
  using Clock = std::chrono::steady_clock;
  Budget(const std::atomic<bool>& stop) : stop_(stop) {}

  const std::atomic<bool>& stop_;
  const std::atomic<bool>* cancel_ = nullptr;
  bool counted_ = false;
  std::uint64_t used_ = 0, limit_ = 0;
  Clock::time_point deadline_{};
  bool spent_ = false;
};

// The best complete arrangement any search has found so far, shared by all.
class Incumbent {
 public:
  // Raises `stop` once an offer reaches `score`, which nothing can beat.
  Incumbent(long long ceiling, std::atomic<bool>& stop) : ceiling_(ceiling), stop_(stop) {}

  long long Score() const { return score_.load(std::memory_order_relaxed); }
  // Keeps the arrangement when it scores more than the best so far.
  bool Offer(const Arrangement& arrangement, long long score);
  Arrangement Best() const;

 private:
  const long long ceiling_;
  std::atomic<bool>& stop_;
  std::atomic<long long> score_{0};
  mutable std::mutex mutex_;
  Arrangement best_;  // the empty board, scoring 0, until something beats it
};
