#include "solver/NeighbourhoodSearch.h"

#include <algorithm>

#include "platform/PortableMath.h"
#include "solver/JoiningPlace.h"
#include "solver/LocalSearch.h"

namespace {

class NeighbourhoodSearch : LocalSearch {
 public:
  NeighbourhoodSearch(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                      Budget& budget);
  void Run();

 private:
  void Load(const Arrangement& arrangement);
  void Put(const Placement& p);
  void TakeOut(std::size_t slot);
  void Destroy();
  void Repair();
  // Keeps only the highest-scoring group of connected words.
  void KeepBestGroup();

  Arrangement placed_;
  std::vector<bool> used_;
  std::vector<Placement> places_;  // room for RandomJoiningPlace
};

NeighbourhoodSearch::NeighbourhoodSearch(const SolverPuzzle& puzzle, std::uint64_t seed,
                                         Incumbent& incumbent, Budget& budget)
    : LocalSearch(puzzle, seed, incumbent, budget), used_(texts_.size(), false) {}

void NeighbourhoodSearch::Put(const Placement& p) {
  board_.Place(p);
  placed_.push_back(p);
  used_[static_cast<std::size_t>(p.word)] = true;
}

void NeighbourhoodSearch::TakeOut(std::size_t slot) {
  board_.Remove(placed_[slot]);
  used_[static_cast<std::size_t>(placed_[slot].word)] = false;
  placed_[slot] = placed_.back();
  placed_.pop_back();
}

void NeighbourhoodSearch::Load(const Arrangement& arrangement) {
  while (!placed_.empty()) TakeOut(placed_.size() - 1);
  for (const Placement& p : arrangement) Put(p);
}

void NeighbourhoodSearch::Destroy() {
  if (placed_.empty()) return;
  const int n = puzzle_.size;
  const double kind = Uniform();
  if (kind < 0.2) {
    Load({});  // a fresh start, as greedy restarts make
  } else if (kind < 0.6) {
    // Every word with a character in a random window.
    const int w = 2 + Below(std::max(1, n / 2)), h = 2 + Below(std::max(1, n / 2));
    const int left = Below(n), top = Below(n);
    for (std::size_t slot = placed_.size(); slot-- > 0;) {
      const Placement& p = placed_[slot];
      const int last = std::max(0, Length(p.word) - 1);
      const int right = p.down ? p.x : p.x + last, bottom = p.down ? p.y + last : p.y;
      if (p.x < left + w && right >= left && p.y < top + h && bottom >= top) TakeOut(slot);
    }
  } else {
    for (int k = 1 + Below(4); k > 0 && !placed_.empty(); --k)
      TakeOut(static_cast<std::size_t>(Below(static_cast<int>(placed_.size()))));
  }
}

void NeighbourhoodSearch::Repair() {
  const int n = puzzle_.size;
  if (placed_.empty()) {
    // Start again from one word somewhere.
    for (int tries = 0; tries < 100 && placed_.empty(); ++tries) {
      const Placement p{Below(static_cast<int>(texts_.size())), Below(n), Below(n),
                        Uniform() < 0.5};
      if (board_.CanPlace(p)) Put(p);
    }
  }
  // Highest points first, or most points for the cells a word takes, with
  // noise so that repairs differ.
  const bool perCell = Uniform() < 0.5;
  std::vector<std::pair<double, int>> order;
  for (int w = 0; w < static_cast<int>(texts_.size()); ++w) {
    if (used_[static_cast<std::size_t>(w)]) continue;
    const double value = perCell ? Points(w) / (Length(w) + 1.0) : Points(w);
    order.push_back({value * (1 + 0.3 * Uniform()), w});
  }
  std::sort(order.rbegin(), order.rend());
  // A word's own work beside the board's: keeping its places, drawing one.
  constexpr std::uint64_t kWordWork = 16;
  for (bool added = true; added;) {
    added = false;
    for (auto& [value, w] : order) {
      if (w < 0 || !budget_.Spend(kWordWork + board_.TakeWork())) continue;
      // Any place will do: looking for the one that crosses most costs more
      // rounds than it gains.
      if (const auto p = RandomJoiningPlace(board_, w, random_, places_)) {
        Put(*p);
        w = -1;
        added = true;
        break;
      }
    }
  }
}

void NeighbourhoodSearch::KeepBestGroup() {
  if (board_.Components() <= 1) return;
  // Grow groups of words that share a cell or touch.
  std::vector<int> group(placed_.size(), -1);
  std::vector<long long> groupScore;
  // Two words touch when a cell of one is on or beside a cell of the other:
  // how far apart they lie across and down adds up to at most one.
  auto touches = [&](const Placement& a, const Placement& b) {
    const int aLast = Length(a.word) - 1, bLast = Length(b.word) - 1;
    const int apartX =
        std::max(a.x, b.x) - std::min(a.down ? a.x : a.x + aLast, b.down ? b.x : b.x + bLast);
    const int apartY =
        std::max(a.y, b.y) - std::min(a.down ? a.y + aLast : a.y, b.down ? b.y + bLast : b.y);
    return std::max(0, apartX) + std::max(0, apartY) <= 1;
  };
  for (std::size_t start = 0; start < placed_.size(); ++start) {
    if (group[start] >= 0) continue;
    const int id = static_cast<int>(groupScore.size());
    groupScore.push_back(0);
    std::vector<std::size_t> stack{start};
    group[start] = id;
    while (!stack.empty()) {
      const std::size_t a = stack.back();
      stack.pop_back();
      groupScore[static_cast<std::size_t>(id)] += Points(placed_[a].word);
      for (std::size_t b = 0; b < placed_.size(); ++b) {
        if (group[b] < 0 && touches(placed_[a], placed_[b])) {
          group[b] = id;
          stack.push_back(b);
        }
      }
    }
  }
  const int keep =
      static_cast<int>(std::max_element(groupScore.begin(), groupScore.end()) - groupScore.begin());
  Arrangement kept;
  for (std::size_t slot = 0; slot < placed_.size(); ++slot) {
    if (group[slot] == keep) kept.push_back(placed_[slot]);
  }
  Load(kept);
}

void NeighbourhoodSearch::Run() {
  // Annealed acceptance: a worse result is kept now and then, less often as a
  // round cools, so the search leaves a plateau it has exhausted.
  constexpr int kRound = 2000;
  const double hot = AveragePoints();
  // It starts from the best so far, so that a turn carries on from where the
  // searches before it stopped.
  Arrangement current = incumbent_.Best();
  long long currentScore = incumbent_.Score();
  // A round's own work is counted too: with every word placed, a repair tries
  // none, and nothing else would spend the budget.
  for (long round = 0; budget_.Spend(1 + placed_.size() + board_.TakeWork()); ++round) {
    Load(current);
    Destroy();
    Repair();
    KeepBestGroup();
    if (!board_.Complete()) continue;
    const long long score = ScoreOf(puzzle_, placed_);
    if (score > incumbent_.Score()) incumbent_.Offer(placed_, score);
    const double temperature =
        hot * PortableExp(kLn0_01 * static_cast<double>(round % kRound) / kRound);
    if (score >= currentScore ||
        Uniform() < PortableExp(static_cast<double>(score - currentScore) / temperature)) {
      current = placed_;
      currentScore = score;
    }
    if (round % kRound == kRound - 1 && Uniform() < 0.5) {
      current = incumbent_.Best();
      currentScore = incumbent_.Score();
    }
  }
}

}  // namespace

void SearchNeighbourhoods(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                          Budget& budget) {
  if (puzzle.size <= 0 || puzzle.words.empty()) return;
  NeighbourhoodSearch(puzzle, seed, incumbent, budget).Run();
}
