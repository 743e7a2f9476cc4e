#include "solver/CoreBound.h"

#include <algorithm>

CoreBound::CoreBound(const PointsAtStake& stake) : stake_(stake) {
  for (const auto& [units, givesUp] : stake.givenUp) parts_.push_back({-givesUp, units});
}

std::vector<int> CoreBound::Assumptions() const {
  std::vector<int> assumptions;
  for (const Part& part : parts_)
    if (part.units > 0) assumptions.push_back(part.literal);
  return assumptions;
}

bool CoreBound::Relax(SatSolver& sat, std::uint64_t maxLiterals) {
  std::vector<std::size_t> core;
  for (std::size_t p = 0; p < parts_.size(); ++p)
    if (parts_[p].units > 0 && sat.Failed(parts_[p].literal)) core.push_back(p);
  if (core.empty()) {
    // The clauses alone admit no board with a letter.
    nothingFits_ = true;
    return true;
  }
  long long least = parts_[core.front()].units;
  for (std::size_t p : core) least = std::min(least, parts_[p].units);
  givenUp_ += least;
  std::vector<std::pair<long long, int>> failed;
  for (std::size_t p : core) {
    Part& part = parts_[p];
    part.units -= least;
    failed.push_back({1, -part.literal});
    // Past this sum of its count, the next one is the part to keep.
    if (part.count >= 0 && part.beyond != std::size_t(-1)) {
      const int counted = part.count;
      const std::size_t next = part.beyond + 1;
      part.beyond = std::size_t(-1);  // its successor is added once
      // Adding a part may move the others: `part` is not used after it.
      const Count& count = counts_[static_cast<std::size_t>(counted)];
      if (next < count.sums.size())
        parts_.push_back({-count.sums[next].second, count.units, counted, next});
    }
  }
  if (failed.size() < 2) return true;
  auto sums = Totalizer::Count(sat, failed, static_cast<long long>(failed.size()), maxLiterals);
  if (!sums) return false;
  counts_.push_back({std::move(*sums), least});
  const Count& count = counts_.back();
  // At least one of them gives way; a second costs `least` again.
  parts_.push_back({-count.sums[1].second, least, static_cast<int>(counts_.size()) - 1, 1});
  return true;
}

long long CoreBound::Bound() const {
  return nothingFits_ ? 0 : stake_.ScoreAfter(givenUp_);
}
