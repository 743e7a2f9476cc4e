#include "solver/ScoreCounter.h"

#include <algorithm>
#include <numeric>

PointsAtStake::PointsAtStake(const SolverPuzzle& puzzle, const SatEncoding& encoding) {
  long long gcd = 0;
  for (const SolverWord& word : puzzle.words) {
    gcd = std::gcd(gcd, static_cast<long long>(word.points));
    positive += WorthOf(word.points);
  }
  unit = std::max(1LL, gcd);
  for (int w = 0; w < static_cast<int>(puzzle.words.size()); ++w) {
    const long long points = puzzle.words[static_cast<std::size_t>(w)].points;
    if (points == 0) continue;
    const int used = encoding.Used(w);
    givenUp.push_back({(points > 0 ? points : -points) / unit, points > 0 ? -used : used});
  }
}

ScoreCounter::ScoreCounter(const PointsAtStake& stake, long long beaten) : stake_(stake) {
  // Giving up this many units or more leaves no score above `beaten`.
  const long long room = stake.positive - beaten - 1;
  tooMany_ = room < 0 ? 0 : room / stake.unit + 1;
}

bool ScoreCounter::Build(SatSolver& sat, std::uint64_t maxLiterals) {
  if (tooMany_ == 0) return true;
  auto total = Totalizer::Count(sat, stake_.givenUp, tooMany_, maxLiterals);
  if (!total) return false;
  total_ = std::move(*total);
  return true;
}

std::optional<std::vector<int>> ScoreCounter::AtLeast(long long score) const {
  const long long room = stake_.positive - score;
  if (room < 0) return std::nullopt;
  const long long allowed = room / stake_.unit;  // units that may be given up
  if (allowed >= tooMany_) return std::vector<int>{};
  const auto past =
      std::find_if(total_.begin(), total_.end(), [&](const auto& s) { return s.first > allowed; });
  if (past == total_.end()) return std::vector<int>{};
  return std::vector<int>{-past->second};
}
