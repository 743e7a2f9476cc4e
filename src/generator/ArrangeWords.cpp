#include "generator/ArrangeWords.h"

#include <algorithm>
#include <atomic>
#include <numeric>

#include "files/PuzzleFile.h"
#include "generator/PointsRule.h"
#include "solver/AnnealingSearch.h"
#include "solver/NeighbourhoodSearch.h"
#include "solver/SolverBoard.h"

namespace {

// An arrangement on a board, words leaving it one by one while it stays
// complete: every word left still fits.
class Thinning {
 public:
  Thinning(int size, std::vector<std::u16string> texts, const Arrangement& arrangement)
      : texts_(std::move(texts)), board_(size, texts_), placed_(arrangement) {
    for (const Placement& p : placed_) board_.Place(p);
  }

  const Arrangement& Placed() const { return placed_; }
  // Whether the word at `slot` could go and did.
  bool Leave(std::size_t slot) {
    board_.Remove(placed_[slot]);
    if (!board_.Complete()) {
      board_.Place(placed_[slot]);
      return false;
    }
    placed_.erase(placed_.begin() + static_cast<std::ptrdiff_t>(slot));
    return true;
  }

 private:
  const std::vector<std::u16string> texts_;  // the board keeps them
  SolverBoard board_;
  Arrangement placed_;
};

Arranged Named(const std::vector<ListedWord>& words, const Arrangement& arrangement) {
  Arranged arranged;
  for (const Placement& p : arrangement) {
    const ListedWord& word = words[static_cast<std::size_t>(p.word)];
    arranged.words.push_back(word);
    arranged.placed.push_back({word.text, p});
  }
  return arranged;
}

}  // namespace

Arranged ArrangeWords(const std::vector<ListedWord>& pool, int size, int count, bool dense,
                      std::uint64_t seed, Budget& budget, std::atomic<bool>& reached) {
  SolverPuzzle counted;
  counted.size = size;
  for (const ListedWord& word : pool) counted.words.push_back({word.text, 1, 0});
  Incumbent most(count, reached);
  if (dense) {
    Anneal(counted, seed, most, budget);
  } else {
    SearchNeighbourhoods(counted, seed, most, budget);
  }
  // The search may overshoot: words go again, last first, while the board
  // stays complete without them, until no more can go.
  Thinning thinning(size, TextsOf(counted), most.Best());
  auto over = [&] { return static_cast<int>(thinning.Placed().size()) > count; };
  for (bool gone = true; gone && over();) {
    gone = false;
    for (std::size_t slot = thinning.Placed().size(); slot-- > 0 && over();)
      gone = thinning.Leave(slot) || gone;
  }
  // More words than a puzzle holds make no puzzle.
  if (thinning.Placed().size() > static_cast<std::size_t>(PuzzleFile::kLongLayout)) return {};
  return Named(pool, thinning.Placed());
}

Arranged Eased(const Arranged& arranged, int size, const std::set<std::u16string>& kept,
               double aim) {
  std::vector<std::u16string> texts;
  std::vector<std::optional<int>> listed;
  Arrangement arrangement;
  for (std::size_t i = 0; i < arranged.words.size(); ++i) {
    texts.push_back(arranged.words[i].text);
    listed.push_back(arranged.words[i].points);
    arrangement.push_back(arranged.placed[i].second);
    arrangement.back().word = static_cast<int>(i);
  }
  Thinning thinning(size, texts, arrangement);
  for (;;) {
    // The points as the puzzle of the words left gives them.
    std::vector<std::u16string> leftTexts;
    std::vector<std::optional<int>> leftListed;
    for (const Placement& p : thinning.Placed()) {
      leftTexts.push_back(texts[static_cast<std::size_t>(p.word)]);
      leftListed.push_back(listed[static_cast<std::size_t>(p.word)]);
    }
    const std::vector<int> points = PointsFor(leftTexts, leftListed);
    long long all = 0, ofKept = 0;
    std::vector<std::size_t> going;  // slots of the words that may go
    for (std::size_t slot = 0; slot < points.size(); ++slot) {
      all += points[slot];
      if (kept.count(leftTexts[slot])) {
        ofKept += points[slot];
      } else {
        going.push_back(slot);
      }
    }
    if (static_cast<double>(all) <= aim * static_cast<double>(ofKept)) break;
    // Most points first: the fewest words go.
    std::stable_sort(going.begin(), going.end(),
                     [&](std::size_t a, std::size_t b) { return points[a] > points[b]; });
    if (std::none_of(going.begin(), going.end(),
                     [&](std::size_t slot) { return thinning.Leave(slot); }))
      break;
  }
  return Named(arranged.words, thinning.Placed());
}
