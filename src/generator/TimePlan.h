#pragma once

#include <atomic>

#include "solver/SearchControl.h"

// The time a generation may take on one core, spent search by search. Every
// search counts its steps of work instead of watching the clock, calibrated
// to a second of the development machine, so that the same generation takes
// the same path on every run; a search that ends early gives back what it did
// not use.
class TimePlan {
 public:
  TimePlan(double seconds, const std::atomic<bool>& cancel) : seconds_(seconds), cancel_(cancel) {}

  // Whether `seconds` more fit in the time.
  bool Allows(double seconds) const { return planned_ + seconds <= seconds_ + 1e-9; }
  // A budget of `seconds`, counted as spent; raising `stop` or the
  // generation's cancel flag ends it early.
  Budget Take(double seconds, const std::atomic<bool>& stop);
  // Counts only the steps a budget taken here spent.
  void GiveBack(const Budget& budget);
  // `seconds` counted as spent by a search that counts its own steps.
  void Count(double seconds) { planned_ += seconds; }
  const std::atomic<bool>& Cancel() const { return cancel_; }
  bool Cancelled() const { return cancel_.load(); }

 private:
  const double seconds_;
  double planned_ = 0;
  const std::atomic<bool>& cancel_;
};
