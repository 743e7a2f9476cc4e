#include "solver/ExactSearch.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "solver/SolverBoard.h"

namespace {

// Words of the same text are one kind: any of them fits wherever another
// does, so an arrangement that uses m of them is best off with the m that
// score most, and which of those lies where makes no difference.
struct Kind {
  std::u16string text;
  std::vector<int> words;  // the copies, highest points first (indices into SolverPuzzle::words)
};

std::vector<Kind> KindsOf(const SolverPuzzle& puzzle) {
  std::vector<Kind> kinds;
  for (int w = 0; w < static_cast<int>(puzzle.words.size()); ++w) {
    const SolverWord& word = puzzle.words[static_cast<std::size_t>(w)];
    auto same = std::find_if(kinds.begin(), kinds.end(),
                             [&](const Kind& k) { return k.text == word.text; });
    if (same == kinds.end()) same = kinds.insert(kinds.end(), Kind{word.text, {}});
    same->words.push_back(w);  // the words come highest points first
  }
  return kinds;
}

std::vector<std::u16string> KindTexts(const std::vector<Kind>& kinds) {
  std::vector<std::u16string> texts;
  for (const Kind& kind : kinds) texts.push_back(kind.text);
  return texts;
}

// Placements here name a kind in `word`.
class ExactSearch {
 public:
  ExactSearch(const SolverPuzzle& puzzle, Incumbent& incumbent, Budget& budget);
  bool Run();

 private:
  struct Box {
    int minX, maxX, minY, maxY;
  };

  int Id(const Placement& p) const {
    return ((p.word * 2 + (p.down ? 1 : 0)) * side_ + p.y) * side_ + p.x;
  }
  // The points of the kind's next copy: the best one not yet placed.
  int Points(int kind) const {
    const Kind& k = kinds_[static_cast<std::size_t>(kind)];
    const std::size_t next = k.words.size() - static_cast<std::size_t>(std::max(1, Left(kind)));
    return puzzle_.words[static_cast<std::size_t>(k.words[next])].points;
  }
  // What the copies left could add.
  long long PointsLeft(int kind) const {
    const Kind& k = kinds_[static_cast<std::size_t>(kind)];
    long long sum = 0;
    for (std::size_t c = k.words.size() - static_cast<std::size_t>(Left(kind)); c < k.words.size();
         ++c)
      sum += WorthOf(puzzle_.words[static_cast<std::size_t>(k.words[c])].points);
    return sum;
  }
  int Length(int kind) const {
    return static_cast<int>(texts_[static_cast<std::size_t>(kind)].size());
  }
  int& Left(int kind) { return left_[static_cast<std::size_t>(kind)]; }
  int Left(int kind) const { return left_[static_cast<std::size_t>(kind)]; }
  Box BoxOf(const Placement& p) const;
  static Box Joined(const Box& a, const Box& b) {
    return {std::min(a.minX, b.minX), std::max(a.maxX, b.maxX), std::min(a.minY, b.minY),
            std::max(a.maxY, b.maxY)};
  }
  bool FitsTheBoard(const Box& box) const {
    return box.maxX - box.minX < n_ && box.maxY - box.minY < n_;
  }
  bool Open(const Placement& p) const {
    ++looks_;
    return Left(p.word) > 0 && !excluded_[static_cast<std::size_t>(Id(p))] &&
           FitsTheBoard(Joined(box_, BoxOf(p))) && board_.CanPlace(p);
  }
  // Adds to the frontier the open placements that cross p or touch it, and
  // every placement of a word without characters.
  void AddNeighbours(const Placement& p, std::vector<Placement>& frontier);
  bool CanStillPlace(int kind) const;
  // Whether some placement still open would put a character or an end marker
  // into the cell.
  bool SomethingCanFill(int x, int y) const;
  // A run left open beside a cell nothing can fill stays open: no arrangement
  // grown from here is complete.
  bool OpenRunsCanClose() const;
  long long Bound() const;
  void Extend(std::vector<Placement> frontier);
  void Include(const Placement& p);
  void Exclude(const Placement& p);
  void OfferIfComplete();

  const SolverPuzzle& puzzle_;
  Incumbent& incumbent_;
  Budget& budget_;
  const int n_, side_;
  const std::vector<Kind> kinds_;
  const std::vector<std::u16string> texts_;
  SolverBoard board_;
  const Occurrences occurrences_;  // by kind
  std::vector<int> emptyKinds_;
  std::vector<std::uint8_t> excluded_;
  std::vector<std::uint32_t> seen_;
  std::uint32_t stamp_ = 0;
  std::vector<int> left_;  // copies neither placed nor ruled out, per kind
  Arrangement placed_;
  long long score_ = 0;
  long long openPoints_ = 0;  // what the copies left could add
  Box box_{0, 0, 0, 0};
  mutable std::uint64_t looks_ = 0;  // places looked at since the last step was counted
};

ExactSearch::ExactSearch(const SolverPuzzle& puzzle, Incumbent& incumbent, Budget& budget)
    : puzzle_(puzzle),
      incumbent_(incumbent),
      budget_(budget),
      n_(puzzle.size),
      side_(std::max(1, 2 * puzzle.size - 1)),
      kinds_(KindsOf(puzzle)),
      texts_(KindTexts(kinds_)),
      board_(side_, texts_),
      occurrences_(OccurrencesIn(texts_)),
      excluded_(static_cast<std::size_t>(kinds_.size() * 2 * side_ * side_), 0),
      seen_(excluded_.size(), 0),
      left_(kinds_.size(), 0) {
  for (int k = 0; k < static_cast<int>(kinds_.size()); ++k) {
    if (texts_[static_cast<std::size_t>(k)].empty()) emptyKinds_.push_back(k);
  }
}

ExactSearch::Box ExactSearch::BoxOf(const Placement& p) const {
  const int last = std::max(0, Length(p.word) - 1);
  return {p.x, p.down ? p.x : p.x + last, p.y, p.down ? p.y + last : p.y};
}

void ExactSearch::AddNeighbours(const Placement& p, std::vector<Placement>& frontier) {
  ++stamp_;
  auto offer = [&](const Placement& q) {
    if (q.x < 0 || q.y < 0 || q.x >= side_ || q.y >= side_) return;
    std::uint32_t& seen = seen_[static_cast<std::size_t>(Id(q))];
    if (seen == stamp_) return;
    seen = stamp_;
    if (Open(q)) frontier.push_back(q);
  };
  // Tried last to first: words alongside p (they leave runs to close) before
  // words crossing it, each group highest points last.
  const std::size_t first = frontier.size();
  const int length = Length(p.word);
  const int dx = p.down ? 0 : 1, dy = p.down ? 1 : 0;
  for (int k : emptyKinds_) {
    for (int y = 0; y < side_; ++y)
      for (int x = 0; x < side_; ++x)
        for (bool down : {false, true}) offer({k, x, y, down});
  }
  for (int i = 0; i < length; ++i) {
    // Touching p from the side: a word alongside p, in the same direction.
    // (A word at right angles through a side cell either crosses p or would
    // put its end marker on p.)
    const int ax = p.x + dx * i, ay = p.y + dy * i;
    for (int side : {-1, 1}) {
      const int bx = ax + dy * side, by = ay + dx * side;
      if (board_.IsLetter(bx, by)) continue;  // that word is p's neighbour already
      for (int k = 0; k < static_cast<int>(kinds_.size()); ++k) {
        if (Left(k) == 0) continue;
        for (int j = 0; j < Length(k); ++j) offer({k, bx - dx * j, by - dy * j, p.down});
      }
    }
  }
  const std::size_t crossing = frontier.size();
  for (int i = 0; i < length; ++i) {
    // Crossing p at this character: only a word at right angles can.
    const int ax = p.x + dx * i, ay = p.y + dy * i;
    const char16_t c = texts_[static_cast<std::size_t>(p.word)][static_cast<std::size_t>(i)];
    for (const Occurrence& o : occurrences_.at(c)) {
      offer({o.word, p.down ? ax - o.index : ax, p.down ? ay : ay - o.index, !p.down});
    }
  }
  auto byPoints = [&](const Placement& a, const Placement& b) {
    return Points(a.word) < Points(b.word);
  };
  const auto begin = frontier.begin();
  std::stable_sort(begin + static_cast<std::ptrdiff_t>(first),
                   begin + static_cast<std::ptrdiff_t>(crossing), byPoints);
  std::stable_sort(begin + static_cast<std::ptrdiff_t>(crossing), frontier.end(), byPoints);
}

bool ExactSearch::CanStillPlace(int kind) const {
  const int last = std::max(0, Length(kind) - 1);
  for (bool down : {false, true}) {
    const int extentX = down ? 0 : last, extentY = down ? last : 0;
    const int lowY = std::max(0, box_.maxY - n_ + 1),
              highY = std::min(side_ - 1, box_.minY + n_ - 1) - extentY;
    const int lowX = std::max(0, box_.maxX - n_ + 1),
              highX = std::min(side_ - 1, box_.minX + n_ - 1) - extentX;
    for (int y = lowY; y <= highY; ++y) {
      for (int x = lowX; x <= highX; ++x) {
        const Placement p{kind, x, y, down};
        ++looks_;
        if (!excluded_[static_cast<std::size_t>(Id(p))] && board_.CanPlace(p)) return true;
      }
    }
  }
  return false;
}

bool ExactSearch::SomethingCanFill(int x, int y) const {
  for (int k = 0; k < static_cast<int>(kinds_.size()); ++k) {
    if (Left(k) == 0) continue;
    const int length = Length(k);
    for (bool down : {false, true}) {
      const int dx = down ? 0 : 1, dy = down ? 1 : 0;
      // The cell as the end marker before the word (j = -1), one of its
      // characters, or the end marker after it (j = length).
      for (int j = -1; j <= length; ++j) {
        const Placement p{k, x - dx * j, y - dy * j, down};
        if (p.x >= 0 && p.y >= 0 && p.x < side_ && p.y < side_ && Open(p)) return true;
      }
    }
  }
  return false;
}

bool ExactSearch::OpenRunsCanClose() const {
  bool canClose = true;
  board_.ForEachOpenEnd([&](int x, int y) {
    canClose = SomethingCanFill(x, y);
    return canClose;
  });
  return canClose;
}

long long ExactSearch::Bound() const {
  long long bound = score_ + openPoints_;
  if (bound <= incumbent_.Score()) return bound;
  for (int k = 0; k < static_cast<int>(kinds_.size()); ++k) {
    if (Left(k) > 0 && !CanStillPlace(k)) bound -= PointsLeft(k);
  }
  return bound;
}

void ExactSearch::OfferIfComplete() {
  // Connected by construction: complete when every run is closed.
  if (score_ <= incumbent_.Score() || !board_.RunsClosed()) return;
  Arrangement found;
  std::vector<std::size_t> copiesUsed(kinds_.size(), 0);
  for (const Placement& p : placed_) {
    const Kind& kind = kinds_[static_cast<std::size_t>(p.word)];
    const int word = kind.words[copiesUsed[static_cast<std::size_t>(p.word)]++];
    found.push_back({word, p.x - box_.minX, p.y - box_.minY, p.down});
  }
  incumbent_.Offer(found, score_);
}

void ExactSearch::Include(const Placement& p) {
  board_.Place(p);
  placed_.push_back(p);
  score_ += Points(p.word);
  openPoints_ -= WorthOf(Points(p.word));
  --Left(p.word);
  OfferIfComplete();
}

void ExactSearch::Exclude(const Placement& p) {
  board_.Remove(p);
  placed_.pop_back();
  ++Left(p.word);
  score_ -= Points(p.word);
  openPoints_ += WorthOf(Points(p.word));
}

void ExactSearch::Extend(std::vector<Placement> frontier) {
  if (!budget_.Spend(std::exchange(looks_, 0) + board_.TakeWork()) ||
      Bound() <= incumbent_.Score() || !OpenRunsCanClose())
    return;
  std::vector<int> excludedHere;
  while (!frontier.empty() && !budget_.Spent()) {
    const Placement p = frontier.back();
    frontier.pop_back();
    if (!Open(p)) continue;
    const Box before = box_;
    box_ = Joined(box_, BoxOf(p));
    Include(p);
    std::vector<Placement> grown = frontier;
    looks_ += frontier.size() / 2;  // copying the frontier costs about a look per two places
    AddNeighbours(p, grown);
    Extend(std::move(grown));
    Exclude(p);
    box_ = before;
    excluded_[static_cast<std::size_t>(Id(p))] = 1;
    excludedHere.push_back(Id(p));
    if (Bound() <= incumbent_.Score()) break;
  }
  for (int id : excludedHere) excluded_[static_cast<std::size_t>(id)] = 0;
}

bool ExactSearch::Run() {
  if (n_ <= 0) return true;  // no cell: only the empty board
  for (int k = 0; k < static_cast<int>(kinds_.size()); ++k) {
    Left(k) = static_cast<int>(kinds_[static_cast<std::size_t>(k)].words.size());
    openPoints_ += PointsLeft(k);
  }
  for (int root = 0; root < static_cast<int>(kinds_.size()) && !budget_.Spent(); ++root) {
    if (openPoints_ <= incumbent_.Score()) break;
    const Placement first{root, n_ - 1, n_ - 1, false};
    box_ = BoxOf(first);
    Include(first);
    std::vector<Placement> frontier;
    AddNeighbours(first, frontier);
    Extend(std::move(frontier));
    Exclude(first);
    // Later arrangements start from a later kind: this one is ruled out.
    openPoints_ -= PointsLeft(root);
    Left(root) = 0;
  }
  return !budget_.Spent();
}

}  // namespace

bool SearchExactly(const SolverPuzzle& puzzle, Incumbent& incumbent, Budget& budget) {
  return ExactSearch(puzzle, incumbent, budget).Run();
}
