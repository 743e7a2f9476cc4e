#include "generator/Generate.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "generator/PointsRule.h"
#include "solver/AnnealingSearch.h"
#include "solver/GreedyRestarts.h"
#include "solver/NeighbourhoodSearch.h"
#include "solver/SolverBoard.h"

namespace {

// Steps of work in about a second of one core of the development machine, as
// the solver counts them.
constexpr double kStepsPerSecond = 2.9e8;
// A second of greedy restarts measures a puzzle; a glance at them tells
// whether a candidate is worth that second.
constexpr double kGreedySeconds = 1.0, kGlanceSeconds = 0.05;
// A full second finds more than a glance: a candidate must beat the glance by
// this much more than its level asks.
constexpr double kGlanceMargin = 1.05;

// How long the search for an arrangement of the puzzle's words may take: a
// larger board holds more words.
double ArrangingSeconds(int size) {
  return size <= 12 ? 0.25 : size <= 15 ? 0.3 : size <= 20 ? 1.0 : 2.5;
}

// How long words left out of an arrangement are tried in it.
double FittingSeconds(int size) {
  return ArrangingSeconds(size) / 3;
}

// The longest words that suit a level on a board of this size: short ones
// pack densely, which is what hard puzzles reward.
int LongestFor(Level level, int size) {
  switch (level) {
    case Level::Easy:
      return std::min(size, size <= 10 ? 4 : 6);
    case Level::Normal:
    case Level::Hard:
      return std::min(size, size <= 10 ? 3 : size <= 15 ? 4 : 5);
  }
  return size;
}

// The words up to the level's longest, or longer ones too when the list has
// too few of those; each word once, however many lists hold it.
std::vector<ListedWord> PoolFor(const std::vector<ListedWord>& words, Level level, int size,
                                int count) {
  std::vector<ListedWord> pool;
  for (int longest = LongestFor(level, size); longest <= size; ++longest) {
    pool.clear();
    std::set<std::u16string> seen;
    for (const ListedWord& word : words) {
      const auto length = static_cast<int>(word.text.size());
      if (length >= 2 && length <= longest && seen.insert(word.text).second) pool.push_back(word);
    }
    if (static_cast<int>(pool.size()) >= count) break;
  }
  return pool;
}

PuzzleFile PuzzleOf(const std::vector<ListedWord>& words, int size) {
  std::vector<std::u16string> texts;
  std::vector<std::optional<int>> listed;
  for (const ListedWord& word : words) {
    texts.push_back(word.text);
    listed.push_back(word.points);
  }
  const std::vector<int> points = PointsFor(texts, listed);
  // The game sizes every points label by the first word's points, so the
  // words whose points take most digits come first and no label cuts its
  // points short. Then shortest first, in the order of their characters, so
  // that a player finds a word quickly.
  auto digits = [&](std::size_t i) { return std::to_string(points[i]).size(); };
  std::vector<std::size_t> order(words.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (digits(a) != digits(b)) return digits(a) > digits(b);
    if (texts[a].size() != texts[b].size()) return texts[a].size() < texts[b].size();
    return texts[a] < texts[b];
  });
  PuzzleFile file;
  file.HasHeader = true;
  file.Entries.resize(PuzzleFile::kLongLayout);
  file.BoardSize = static_cast<std::int16_t>(size);
  file.WordCount = static_cast<std::int16_t>(words.size());
  file.CountSuffix = u"語";
  file.ScoreSuffix = u"点";
  for (std::size_t slot = 0; slot < order.size(); ++slot) {
    const std::size_t i = order[slot];
    file.Entries[slot].Text = texts[i];
    file.Entries[slot].Points = points[i];
    file.MaxWordLength = std::max(file.MaxWordLength, static_cast<std::int16_t>(texts[i].size()));
  }
  return file;
}

// The words asked for, or as many as suit the size and level. A list too
// short for a normal puzzle's overfull board still makes one as long as it
// holds more words than a hard puzzle, whose words all fit.
int WordCountFor(const std::vector<ListedWord>& words, const GenerateOptions& options) {
  if (options.words > 0) return options.words;
  const int wanted = DefaultWordCount(options.size, options.level);
  if (options.level != Level::Normal) return wanted;
  const auto held = static_cast<int>(PoolFor(words, options.level, options.size, wanted).size());
  return std::max(std::min(wanted, held), DefaultWordCount(options.size, Level::Hard) + 1);
}

// Words and an arrangement of all of them, by their texts.
struct Arranged {
  std::vector<ListedWord> words;
  std::vector<std::pair<std::u16string, Placement>> placed;
};

class Generator {
 public:
  Generator(const std::vector<ListedWord>& words, const GenerateOptions& options,
            const std::atomic<bool>& cancel)
      : options_(options),
        cancel_(cancel),
        random_(options.seed),
        count_(WordCountFor(words, options)),
        pool_(PoolFor(words, options.level, options.size, count_)) {}

  std::variant<GeneratedPuzzle, std::string> Run();

 private:
  // An arrangement of `count` words of the list, found by a search over all
  // of them that counts each word placed as one: the puzzle's words are then
  // chosen around it, and every one of them fits.
  Arranged ArrangeWords(int count);
  // Words of the list that are not in the arrangement, those sharing fewest
  // characters with it first.
  std::vector<ListedWord> Unarranged(const Arranged& arranged, int count);
  // An easy puzzle is one word-by-word placement nearly solves too.
  bool SuitsTheLevel(const Measure& m) const {
    return options_.level != Level::Easy || m.greedy * 10 >= m.total * 9;
  }
  // The puzzle of these words with its best known, found from their
  // arrangement; greedy restarts are left to measure.
  GeneratedPuzzle Searched(const std::vector<ListedWord>& words, const Arranged& arranged);
  long long Greedy(const SolverPuzzle& puzzle, double seconds);
  // A search's budget, which a cancel also ends.
  Budget Steps(double seconds, std::atomic<bool>& stop) const {
    Budget budget = Budget::Steps(static_cast<std::uint64_t>(seconds * kStepsPerSecond), stop);
    budget.Or(cancel_);
    return budget;
  }

  const GenerateOptions& options_;
  const std::atomic<bool>& cancel_;
  std::mt19937_64 random_;
  const int count_;
  const std::vector<ListedWord> pool_;
};

Arranged Generator::ArrangeWords(int count) {
  SolverPuzzle pool;
  pool.size = options_.size;
  for (const ListedWord& word : pool_) pool.words.push_back({word.text, 1, 0});
  std::atomic<bool> full{false};
  Incumbent most(count, full);
  Budget budget = Steps(ArrangingSeconds(options_.size), full);
  if (options_.level != Level::Easy) {
    Anneal(pool, random_(), most, budget);
  } else {
    SearchNeighbourhoods(pool, random_(), most, budget);
  }
  Arrangement arrangement = most.Best();
  // The search may overshoot: words go again, last first, while the board
  // stays complete without them.
  const std::vector<std::u16string> texts = TextsOf(pool);
  SolverBoard board(pool.size, texts);
  for (const Placement& p : arrangement) board.Place(p);
  for (std::size_t slot = arrangement.size();
       slot-- > 0 && static_cast<int>(arrangement.size()) > count;) {
    board.Remove(arrangement[slot]);
    if (board.Complete()) {
      arrangement.erase(arrangement.begin() + static_cast<std::ptrdiff_t>(slot));
    } else {
      board.Place(arrangement[slot]);
    }
  }
  Arranged arranged;
  for (const Placement& p : arrangement) {
    const ListedWord& word = pool_[static_cast<std::size_t>(p.word)];
    arranged.words.push_back(word);
    arranged.placed.push_back({word.text, p});
  }
  return arranged;
}

std::vector<ListedWord> Generator::Unarranged(const Arranged& arranged, int count) {
  std::set<char16_t> held;
  std::set<std::u16string> in;
  for (const ListedWord& word : arranged.words) {
    held.insert(word.text.begin(), word.text.end());
    in.insert(word.text);
  }
  std::vector<std::pair<int, ListedWord>> others;  // with the characters they share
  for (const ListedWord& word : pool_) {
    if (in.count(word.text)) continue;
    const auto shared = std::count_if(word.text.begin(), word.text.end(),
                                      [&](char16_t c) { return held.count(c) > 0; });
    others.push_back({static_cast<int>(shared), word});
  }
  std::shuffle(others.begin(), others.end(), random_);
  // Those that share least: they can hardly cross the arrangement, and only
  // lie beside it where end markers close their runs.
  std::stable_sort(others.begin(), others.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<ListedWord> least;
  for (std::size_t i = 0; i < others.size() && static_cast<int>(i) < count; ++i)
    least.push_back(others[i].second);
  return least;
}

long long Generator::Greedy(const SolverPuzzle& puzzle, double seconds) {
  std::atomic<bool> stop{false};
  Incumbent best(puzzle.upperBound, stop);
  Budget budget = Steps(seconds, stop);
  RunGreedyRestarts(puzzle, options_.seed, best, budget);
  return best.Score();
}

GeneratedPuzzle Generator::Searched(const std::vector<ListedWord>& words,
                                    const Arranged& arranged) {
  GeneratedPuzzle made;
  made.file = PuzzleOf(words, options_.size);
  const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
  // The solver lists the words highest points first: the arrangement follows
  // them there.
  Arrangement start;
  for (const auto& [text, placement] : arranged.placed) {
    const auto found = std::find_if(puzzle.words.begin(), puzzle.words.end(),
                                    [&](const SolverWord& w) { return w.text == text; });
    start.push_back(placement);
    start.back().word = static_cast<int>(found - puzzle.words.begin());
  }
  std::atomic<bool> proven{false};
  Incumbent best(puzzle.upperBound, proven);
  best.Offer(start, ScoreOf(puzzle, start));
  // Words beside the arrangement may still fit in or beside it.
  if (words.size() > arranged.words.size()) {
    Budget budget = Steps(FittingSeconds(options_.size), proven);
    Anneal(puzzle, options_.seed, best, budget);
  }
  made.solved = WithArrangement(made.file, puzzle, best.Best());
  made.measure = {puzzle.fittingPoints, best.Score(), puzzle.upperBound, 0};
  made.optimal = best.Score() >= puzzle.upperBound;
  if (made.optimal) made.measure.bound = best.Score();
  return made;
}

std::variant<GeneratedPuzzle, std::string> Generator::Run() {
  if (static_cast<int>(pool_.size()) < count_) {
    return "only " + std::to_string(pool_.size()) + " words of 2 to " +
           std::to_string(options_.size) + " characters: a puzzle of " + std::to_string(count_) +
           " words on a board of " + std::to_string(options_.size) + " needs more";
  }
  const int size = options_.size;
  // A normal puzzle's arrangement leaves out a fifth of its words.
  const int extra = options_.level == Level::Normal ? std::max(1, count_ / 5) : 0;
  const double attempt =
      ArrangingSeconds(size) + (extra > 0 ? FittingSeconds(size) : 0) + kGlanceSeconds;
  // The seconds planned so far, the searches counted in steps: another
  // candidate is tried while a second of greedy restarts still fits after it.
  double planned = 0;
  Arranged arranged;
  std::optional<GeneratedPuzzle> allFit;  // a candidate of every word, measured
  const double seconds = options_.seconds > 0 ? options_.seconds : StandardGenerationSeconds(size);
  while (planned + attempt + kGreedySeconds <= seconds || planned == 0) {
    if (cancel_) return "cancelled";
    planned += attempt;
    arranged = ArrangeWords(count_ - extra);
    std::vector<ListedWord> words = arranged.words;
    const std::vector<ListedWord> more = Unarranged(arranged, extra);
    words.insert(words.end(), more.begin(), more.end());
    GeneratedPuzzle made = Searched(words, arranged);
    const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
    // A glance at greedy restarts first: a full second for a hopeless
    // candidate would be wasted.
    const long long glance = Greedy(puzzle, kGlanceSeconds);
    made.measure.greedy = static_cast<long long>(static_cast<double>(glance) * kGlanceMargin);
    if (!Meets(options_.level, made.measure) || !SuitsTheLevel(made.measure)) continue;
    planned += kGreedySeconds;
    made.measure.greedy = Greedy(puzzle, kGreedySeconds);
    if (cancel_) return "cancelled";
    made.level = options_.level;
    if (Meets(options_.level, made.measure)) return made;
    if (extra == 0) allFit = made;
  }
  // Every word of an arrangement fits: an easy puzzle, whatever was asked.
  GeneratedPuzzle easy = allFit ? *allFit : Searched(arranged.words, arranged);
  if (!allFit) easy.measure.greedy = Greedy(MakeSolverPuzzle(easy.file), kGreedySeconds);
  easy.level = Level::Easy;
  if (cancel_) return "cancelled";
  return easy;
}

}  // namespace

double StandardGenerationSeconds(int size) {
  return size <= 15 ? 2.0 : size <= 20 ? 5.0 : 10.0;
}

int DefaultWordCount(int size, Level level) {
  // An easy puzzle leaves room between its words; a normal one holds more
  // than its board can, so that choosing which to leave out matters.
  const int count = level == Level::Easy     ? 9 * size / 4 - 3
                    : level == Level::Normal ? 4 * size
                                             : 3 * size - 4;
  return std::clamp(count, 2, 90);
}

std::variant<GeneratedPuzzle, std::string> Generate(const std::vector<ListedWord>& words,
                                                    const GenerateOptions& options,
                                                    const std::atomic<bool>& cancel) {
  return Generator(words, options, cancel).Run();
}
