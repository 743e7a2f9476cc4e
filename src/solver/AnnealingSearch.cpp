#include "solver/AnnealingSearch.h"

#include <algorithm>
#include <optional>

#include "platform/PortableMath.h"
#include "solver/LocalSearch.h"

namespace {

class Annealer : LocalSearch {
 public:
  Annealer(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent, Budget& budget);
  void Run();

 private:
  const Placement& AnyPlaced() {
    return placed_[static_cast<std::size_t>(Below(static_cast<int>(placed_.size())))];
  }

  void Put(const Placement& p);
  void Take(const Placement& p);
  int Faults() const { return board_.OpenRuns() + std::max(0, board_.Components() - 1); }
  double Energy() const { return static_cast<double>(score_) - penalty_ * faults_; }

  // A word drawn from the whole list, or none when the one drawn is placed.
  std::optional<int> AnyUnplaced();
  std::optional<Placement> ProposeAddition();
  // Another word where `old` starts, in its direction.
  std::optional<Placement> ProposeInPlaceOf(const Placement& old);
  void TryAdd();
  void TryRemove();
  void TryMove();
  void TryShift();
  // Keeps the change when the annealing accepts the new energy.
  bool Accept(double before);
  void Load(const Arrangement& arrangement);

  Arrangement placed_;
  std::vector<int> slotOf_;  // per word: its place in placed_, or -1
  long long score_ = 0;
  int faults_ = 0;
  const double average_;
  double penalty_ = 1, temperature_ = 1;
};

Annealer::Annealer(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                   Budget& budget)
    : LocalSearch(puzzle, seed, incumbent, budget),
      slotOf_(texts_.size(), -1),
      average_(AveragePoints()) {}

void Annealer::Put(const Placement& p) {
  board_.Place(p);
  slotOf_[static_cast<std::size_t>(p.word)] = static_cast<int>(placed_.size());
  placed_.push_back(p);
  score_ += Points(p.word);
}

void Annealer::Take(const Placement& p) {
  const auto slot = static_cast<std::size_t>(slotOf_[static_cast<std::size_t>(p.word)]);
  board_.Remove(p);
  slotOf_[static_cast<std::size_t>(p.word)] = -1;
  placed_[slot] = placed_.back();
  placed_.pop_back();
  if (slot < placed_.size())
    slotOf_[static_cast<std::size_t>(placed_[slot].word)] = static_cast<int>(slot);
  score_ -= Points(p.word);
}

std::optional<Placement> Annealer::ProposeAddition() {
  const int n = puzzle_.size;
  if (placed_.empty() || Uniform() < 0.05) {
    const auto w = AnyUnplaced();
    if (!w) return std::nullopt;
    return Placement{*w, Below(n), Below(n), Uniform() < 0.5};
  }
  const Placement host = AnyPlaced();
  if (Length(host.word) == 0) return std::nullopt;
  if (Uniform() < 0.5) {
    // Alongside a word on the board, in the next line and overlapping it: how
    // staircases and dense blocks grow where words share no character.
    const auto w = AnyUnplaced();
    if (!w || Length(*w) == 0) return std::nullopt;
    const int side = Uniform() < 0.5 ? -1 : 1;
    const int along = Below(Length(host.word) + Length(*w) - 1) - (Length(*w) - 1);
    return host.down ? Placement{*w, host.x + side, host.y + along, true}
                     : Placement{*w, host.x + along, host.y + side, false};
  }
  // Across a character of a word on the board.
  const int j = Below(Length(host.word));
  const int cx = host.down ? host.x : host.x + j, cy = host.down ? host.y + j : host.y;
  const auto found = occurrences_.find(board_.Letter(cx, cy));
  if (found == occurrences_.end()) return std::nullopt;
  const Occurrence o =
      found->second[static_cast<std::size_t>(Below(static_cast<int>(found->second.size())))];
  if (slotOf_[static_cast<std::size_t>(o.word)] >= 0) return std::nullopt;
  const bool down = !host.down;
  return Placement{o.word, down ? cx : cx - o.index, down ? cy - o.index : cy, down};
}

std::optional<int> Annealer::AnyUnplaced() {
  const int w = Below(static_cast<int>(texts_.size()));
  if (slotOf_[static_cast<std::size_t>(w)] >= 0) return std::nullopt;
  return w;
}

std::optional<Placement> Annealer::ProposeInPlaceOf(const Placement& old) {
  const auto w = AnyUnplaced();
  if (!w) return std::nullopt;
  return Placement{*w, old.x, old.y, old.down};
}

bool Annealer::Accept(double before) {
  const int faultsBefore = faults_;
  faults_ = Faults();
  const double change = Energy() - before;
  if (change >= 0 || Uniform() < PortableExp(change / temperature_)) {
    if (faults_ == 0 && score_ > incumbent_.Score()) incumbent_.Offer(placed_, score_);
    return true;
  }
  faults_ = faultsBefore;
  return false;
}

void Annealer::TryAdd() {
  const auto p = ProposeAddition();
  if (!p || !board_.CanPlace(*p)) return;
  const double before = Energy();
  Put(*p);
  if (!Accept(before)) Take(*p);
}

void Annealer::TryRemove() {
  if (placed_.empty()) return;
  const double before = Energy();
  const Placement p = AnyPlaced();
  Take(p);
  if (!Accept(before)) Put(p);
}

void Annealer::TryMove() {
  if (placed_.empty()) return;
  const double before = Energy();
  const Placement old = AnyPlaced();
  Take(old);
  const auto p = Uniform() < 0.3 ? ProposeInPlaceOf(old) : ProposeAddition();
  if (p && board_.CanPlace(*p)) {
    Put(*p);
    if (Accept(before)) return;
    Take(*p);
  }
  Put(old);
}

void Annealer::TryShift() {
  const int n = puzzle_.size;
  const int dx = Below(3) - 1, dy = dx == 0 ? (Uniform() < 0.5 ? -1 : 1) : 0;
  Arrangement shifted = placed_;
  for (Placement& p : shifted) {
    p.x += dx;
    p.y += dy;
    const int last = std::max(0, Length(p.word) - 1);
    if (p.x < 0 || p.y < 0 || (p.down ? p.x : p.x + last) >= n || (p.down ? p.y + last : p.y) >= n)
      return;
  }
  Load(shifted);
}

void Annealer::Load(const Arrangement& arrangement) {
  while (!placed_.empty()) Take(placed_.back());
  for (const Placement& p : arrangement) Put(p);
  faults_ = Faults();
}

void Annealer::Run() {
  // Each round cools. In a loose round the price of a fault rises from half an
  // average word to four: early on the state may stay incomplete and wander,
  // which dense arrangements need; in a strict round a fault always costs
  // three words, which keeps large boards near complete.
  constexpr int kRoundMoves = 100000;
  // A move's own work beside the board's: drawing numbers, proposing a place.
  constexpr int kMoveWork = 35;
  while (!budget_.Spent()) {
    faults_ = Faults();
    const bool loose = Uniform() < 0.5;
    // Over the round the temperature falls to 4 % (loose) or 3 % of where it
    // starts, and a loose round's price of a fault grows eightfold.
    temperature_ = (loose ? 0.5 : 1.0) * average_;
    penalty_ = (loose ? 0.5 : 3.0) * average_;
    const double cooling = PortableExp((loose ? kLn0_04 : kLn0_03) / kRoundMoves),
                 rising = loose ? PortableExp(kLn8 / kRoundMoves) : 1.0;
    for (int move = 0; move < kRoundMoves && budget_.Spend(kMoveWork + board_.TakeWork());
         ++move, temperature_ *= cooling, penalty_ *= rising) {
      const double kind = Uniform();
      if (kind < 0.45) {
        TryAdd();
      } else if (kind < 0.7) {
        TryRemove();
      } else if (kind < 0.995) {
        TryMove();
      } else {
        TryShift();
      }
    }
    if (Uniform() < 0.5) Load(incumbent_.Best());
  }
}

}  // namespace

void Anneal(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent, Budget& budget) {
  if (puzzle.size <= 0 || puzzle.words.empty()) return;
  Annealer(puzzle, seed, incumbent, budget).Run();
}
