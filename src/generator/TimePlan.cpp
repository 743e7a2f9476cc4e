#include "generator/TimePlan.h"

namespace {

// Steps of work in about a second of one core of the development machine, as
// the solver counts them.
constexpr double kStepsPerSecond = 2.9e8;

}  // namespace

Budget TimePlan::Take(double seconds, const std::atomic<bool>& stop) {
  Count(seconds);
  Budget budget = Budget::Steps(static_cast<std::uint64_t>(seconds * kStepsPerSecond), stop);
  budget.Or(cancel_);
  return budget;
}

void TimePlan::GiveBack(const Budget& budget) {
  planned_ -= static_cast<double>(budget.Unused()) / kStepsPerSecond;
}
