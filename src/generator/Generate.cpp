#include "generator/Generate.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <set>
#include <string>

#include "generator/ArrangeWords.h"
#include "generator/PuzzleOfWords.h"
#include "generator/TimePlan.h"
#include "generator/WordPool.h"
#include "platform/PortableMath.h"
#include "platform/SeededRandom.h"
#include "solver/GreedyRestarts.h"

namespace {

// How a board of a size is searched and measured. Seconds of each search: a
// larger board holds more words, and each step of its searches goes less far.
// Greedy restarts measured for longer find more: `growth` is how much more
// they find in five seconds than in `greedy` (on nine puzzles in ten), and
// `glanceGrowth` than in a glance (on one in two).
struct Settings {
  double arranging;  // a dense arrangement, which a normal or hard puzzle's words come from
  double glance;     // greedy restarts, briefly: which candidate is worth measuring
  double greedy;     // greedy restarts, which measure the level
  double growth, glanceGrowth;
  double easyArranging;  // an easy puzzle's arrangement, sparse and quickly found
  double easyGreedy;     // greedy restarts on it, which end when they place every word
  int round;             // arrangements glanced at for each measured in full
};
Settings SettingsFor(int size) {
  if (size <= 10) return {0.12, 0.05, 0.15, 1.02, 1.02, 0.1, 0.1, 2};
  if (size <= 12) return {0.15, 0.05, 0.35, 1.06, 1.08, 0.1, 0.12, 2};
  if (size <= 15) return {0.15, 0.05, 0.35, 1.08, 1.13, 0.1, 0.12, 2};
  if (size <= 20) return {0.5, 0.1, 1.2, 1.08, 1.15, 0.3, 0.4, 4};
  return {0.8, 0.2, 2.0, 1.08, 1.15, 0.6, 0.8, 5};
}

// How a candidate's words are arranged: densely by annealing, or crossing one
// by one by large-neighbourhood search, from a share of the words, those whose
// characters fewest other words hold (RarestWords), which an arrangement
// mostly lays side by side, where word-by-word placement does not find them.
struct Kind {
  bool dense;
  double share;
};
constexpr std::array<Kind, 3> kHardKinds{{{true, 1.0}, {true, 1.0}, {true, 0.7}}};
constexpr std::array<Kind, 2> kNormalKinds{{{false, 1.0}, {true, 1.0}}};
// An arrangement of fewer of the words asked for than this share is no
// candidate: its words would leave the board bare.
constexpr double kFewest = 2.0 / 3;
// A normal candidate's best should stand about this far above greedy
// restarts, the middle of the level's band.
constexpr double kNormalAim = 1.17;
// A normal candidate glanced at further above greedy restarts than this, times
// what longer restarts find over a glance, is eased down to it.
constexpr double kEaseAim = 1.18;
// A step of difficulty: a normal candidate of 1.2 times the words, or of 0.85
// times the words from 0.6 of the pool, its commonest, down to a quarter (as
// natural logarithms, for the same powers on every library).
constexpr double kLnHarder = 0.18232155679395462, kLnFewer = -0.16251892949777494,
                 kLnCommoner = -0.51082562376599072, kCommonest = 0.25;

// The measure with greedy restarts scaled: what they would reach given longer.
Measure Grown(Measure m, double growth) {
  m.greedy = static_cast<long long>(static_cast<double>(m.greedy) * growth + 0.5);
  return m;
}

// How far a candidate's best stands above its greedy restarts.
double Above(const Measure& m) {
  return static_cast<double>(m.best) / static_cast<double>(std::max<long long>(1, m.greedy));
}

struct Restarts {
  long long score;
  Arrangement arrangement;  // the best found, by the solver's words
};

class Generator {
 public:
  Generator(const std::vector<ListedWord>& words, const GenerateOptions& options,
            const std::atomic<bool>& cancel)
      : words_(words),
        options_(options),
        settings_(SettingsFor(options.size)),
        plan_(options.seconds > 0 ? options.seconds : StandardGenerationSeconds(options.size),
              cancel),
        random_(options.seed) {}

  std::variant<GeneratedPuzzle, std::string> Run();

 private:
  // A normal or hard candidate: a round of arrangements, each glanced at, the
  // one nearest the level measured in full; nullopt when it does not meet the
  // level.
  std::optional<GeneratedPuzzle> Candidate(Level level, const std::vector<ListedWord>& pool,
                                           int count);
  struct Words {
    std::vector<ListedWord> pool;
    int count;
  };
  // The words a normal candidate is arranged from, steered by difficulty_.
  Words Steered(const std::vector<ListedWord>& pool, int count) const;
  // Whether a candidate of the level is steered: normal, its words not
  // counted by the options.
  bool IsSteered(Level level) const { return level == Level::Normal && options_.words == 0; }
  // Arrangements glanced at for each measured in full: one when steered, as
  // each glance steers the next.
  int Round(Level level) const { return IsSteered(level) ? 1 : settings_.round; }
  // A step of difficulty up (way 1) or down (-1).
  void Steer(int way);
  // An easy candidate, measured, whether it meets the level or not.
  GeneratedPuzzle Easy(const std::vector<ListedWord>& pool, int count);
  // What a candidate of the level takes at most.
  double CandidateSeconds(Level level) const;

  Arranged Arrange(const std::vector<ListedWord>& pool, int count, bool dense, double seconds);
  // The puzzle of the arranged words, with the arrangement as its best: every
  // word placed, which nothing passes.
  GeneratedPuzzle Puzzle(const Arranged& arranged);
  // Greedy restarts on the puzzle, until they reach `enough` or the time is
  // spent; what they find better becomes its best.
  Restarts Greedy(GeneratedPuzzle& made, double seconds, long long enough);
  Restarts Greedy(GeneratedPuzzle& made, double seconds) {
    return Greedy(made, seconds, std::numeric_limits<long long>::max());
  }
  // A glance at greedy restarts, kept as the candidate's measure.
  Restarts Glance(GeneratedPuzzle& made) {
    Restarts glanced = Greedy(made, settings_.glance);
    made.measure.greedy = glanced.score;
    return glanced;
  }
  // A normal candidate glanced at far above greedy restarts made nearer: the
  // words they did not place leave it, while it still arranges them all.
  void Ease(GeneratedPuzzle& made, const Arranged& arranged, const Restarts& glanced);
  // Whether a glanced-at candidate meets the level when greedy restarts
  // measure it in full; the glance's restarts begin the full measure's, which
  // finds no less, so a candidate the glance puts below the level stays there.
  bool Measured(GeneratedPuzzle& made, Level level);
  void Offer(GeneratedPuzzle& made, const SolverPuzzle& puzzle, const Arrangement& arrangement,
             long long score) const;

  const std::vector<ListedWord>& words_;
  const GenerateOptions& options_;
  const Settings settings_;
  TimePlan plan_;
  SeededRandom random_;
  int arrangements_ = 0;  // arrangements made so far for the level asked for
  // How far a normal candidate's words are steered from the level's: above
  // 0 more words, for themes whose words greedy restarts place too readily;
  // below 0 fewer, of the commonest characters, for those where they stall.
  // It starts a step up, as easing takes a candidate down but never up.
  double difficulty_ = 1, step_ = 1;
  int lastWay_ = 0;
};

double Generator::CandidateSeconds(Level level) const {
  switch (level) {
    case Level::Easy:
      return settings_.easyArranging + 2 * settings_.easyGreedy;
    case Level::Normal:
    case Level::Hard:
      // A steered candidate eased is glanced at again.
      return Round(level) * (settings_.arranging + (IsSteered(level) ? 2 : 1) * settings_.glance) +
             settings_.greedy;
  }
  return 0;
}

Arranged Generator::Arrange(const std::vector<ListedWord>& pool, int count, bool dense,
                            double seconds) {
  std::atomic<bool> reached{false};
  Budget budget = plan_.Take(seconds, reached);
  Arranged arranged =
      ArrangeWords(pool, options_.size, count, dense, random_.Next(), budget, reached);
  plan_.GiveBack(budget);
  return arranged;
}

GeneratedPuzzle Generator::Puzzle(const Arranged& arranged) {
  GeneratedPuzzle made;
  made.file = PuzzleOfWords(arranged.words, options_.size);
  made.level = options_.level;
  const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
  // The solver lists the words highest points first: the arrangement follows
  // them there.
  Arrangement start;
  for (const auto& placed : arranged.placed) {
    const auto found = std::find_if(puzzle.words.begin(), puzzle.words.end(),
                                    [&](const SolverWord& w) { return w.text == placed.first; });
    start.push_back(placed.second);
    start.back().word = static_cast<int>(found - puzzle.words.begin());
  }
  made.measure = {puzzle.fittingPoints, -1, puzzle.upperBound, 0};
  Offer(made, puzzle, start, ScoreOf(puzzle, start));
  return made;
}

void Generator::Offer(GeneratedPuzzle& made, const SolverPuzzle& puzzle,
                      const Arrangement& arrangement, long long score) const {
  if (score <= made.measure.best) return;
  made.solved = WithArrangement(made.file, puzzle, arrangement);
  made.measure.best = score;
  made.optimal = score >= puzzle.upperBound;
  if (made.optimal) made.measure.bound = score;
}

Restarts Generator::Greedy(GeneratedPuzzle& made, double seconds, long long enough) {
  const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
  std::atomic<bool> stop{false};
  Incumbent best(std::min(enough, puzzle.upperBound), stop);
  Budget budget = plan_.Take(seconds, stop);
  RunGreedyRestarts(puzzle, options_.seed, best, budget);
  plan_.GiveBack(budget);
  Restarts found{best.Score(), best.Best()};
  Offer(made, puzzle, found.arrangement, found.score);
  return found;
}

bool Generator::Measured(GeneratedPuzzle& made, Level level) {
  auto reaches = [&](long long greedy) {
    Measure m = made.measure;
    m.greedy = greedy;
    return Reaches(level, Grown(m, settings_.growth));
  };
  if (!reaches(made.measure.greedy)) return false;
  // The restarts end once they find enough to put the candidate below the
  // level: the rest of their time would not change that.
  long long enough = made.measure.greedy;
  for (long long step = made.measure.best; step > 0; step /= 2)
    while (reaches(enough + step)) enough += step;
  made.measure.greedy = Greedy(made, settings_.greedy, enough + 1).score;
  return Meets(level, Grown(made.measure, settings_.growth));
}

std::optional<GeneratedPuzzle> Generator::Candidate(Level level,
                                                    const std::vector<ListedWord>& pool,
                                                    int count) {
  // How far from the level a glance puts an arrangement: for a hard one, the
  // further above greedy restarts the nearer; for a normal one, the nearer
  // its aim by ratio, allowing for what longer restarts find.
  auto distance = [&](const Measure& m) {
    const double aimed = Above(m) / settings_.glanceGrowth / kNormalAim;
    return level == Level::Hard ? -Above(m) : std::max(aimed, 1 / aimed);
  };
  const bool steered = IsSteered(level);
  std::optional<GeneratedPuzzle> made;
  for (int i = 0; i < Round(level); ++i) {
    const auto turn = static_cast<std::size_t>(arrangements_++);
    const Kind kind = level == Level::Hard ? kHardKinds[turn % kHardKinds.size()]
                                           : kNormalKinds[turn % kNormalKinds.size()];
    const Words words =
        steered ? Steered(pool, count) : Words{RarestWords(pool, kind.share), count};
    const Arranged arranged = Arrange(words.pool, words.count, kind.dense, settings_.arranging);
    // A steered candidate may hold fewer words than it was arranged from, as
    // many as an easy puzzle would.
    const int fewest =
        steered ? std::min(words.count, DefaultWordCount(options_.size, Level::Easy)) : words.count;
    if (static_cast<double>(arranged.words.size()) < kFewest * fewest) {
      if (steered) Steer(-1);  // too many words to arrange: fewer, and commoner
      continue;
    }
    GeneratedPuzzle candidate = Puzzle(arranged);
    const Restarts glanced = Glance(candidate);
    if (steered) Ease(candidate, arranged, glanced);
    if (!made || distance(candidate.measure) < distance(made->measure)) made = std::move(candidate);
  }
  if (!made) return std::nullopt;
  if (steered) {
    // A glance far from the level is seldom wrong: the time of the full
    // measure goes to the next candidate, steered.
    if (!Reaches(level, Grown(made->measure, settings_.glanceGrowth))) {
      Steer(1);
      return std::nullopt;
    }
    if (Reaches(Level::Hard, Grown(made->measure, settings_.growth * settings_.glanceGrowth))) {
      Steer(-1);
      return std::nullopt;
    }
  }
  if (Measured(*made, level)) return made;
  // Too easy: more words next time; too hard: fewer.
  if (steered) Steer(Reaches(level, Grown(made->measure, settings_.growth)) ? -1 : 1);
  return std::nullopt;
}

Generator::Words Generator::Steered(const std::vector<ListedWord>& pool, int count) const {
  if (difficulty_ >= 0) {
    const double more = PortableExp(kLnHarder * difficulty_);
    return {pool, std::min(PuzzleFile::kLongLayout, static_cast<int>(count * more + 0.5))};
  }
  const double fewer = PortableExp(-kLnFewer * difficulty_);
  return {CommonestWords(pool, std::max(kCommonest, PortableExp(-kLnCommoner * difficulty_))),
          std::max(2, static_cast<int>(count * fewer + 0.5))};
}

void Generator::Steer(int way) {
  // Halving the step when the way turns: the steps close in on the level.
  if (way * lastWay_ < 0) step_ /= 2;
  lastWay_ = way;
  difficulty_ += way * step_;
}

void Generator::Ease(GeneratedPuzzle& made, const Arranged& arranged, const Restarts& glanced) {
  const double aim = kEaseAim * settings_.glanceGrowth;
  if (Above(made.measure) <= aim) return;
  const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
  std::set<std::u16string> placed;
  for (const Placement& p : glanced.arrangement)
    placed.insert(puzzle.words[static_cast<std::size_t>(p.word)].text);
  const Arranged eased = Eased(arranged, options_.size, placed, aim);
  if (eased.words.size() == arranged.words.size()) return;
  made = Puzzle(eased);
  Glance(made);
}

GeneratedPuzzle Generator::Easy(const std::vector<ListedWord>& pool, int count) {
  const Arranged arranged = Arrange(pool, count, false, settings_.easyArranging);
  GeneratedPuzzle made = Puzzle(arranged);
  made.level = Level::Easy;
  // Greedy restarts end as soon as they place every word.
  const Restarts restarts = Greedy(made, settings_.easyGreedy);
  made.measure.greedy = restarts.score;
  if (Meets(Level::Easy, made.measure)) return made;
  // The words greedy restarts placed all fit, and without the words that
  // stopped them the restarts place them again.
  const SolverPuzzle puzzle = MakeSolverPuzzle(made.file);
  Arranged placed;
  for (const Placement& p : restarts.arrangement) {
    const std::u16string& text = puzzle.words[static_cast<std::size_t>(p.word)].text;
    placed.words.push_back(*std::find_if(arranged.words.begin(), arranged.words.end(),
                                         [&](const ListedWord& w) { return w.text == text; }));
    placed.placed.push_back({text, p});
  }
  made = Puzzle(placed);
  made.level = Level::Easy;
  made.measure.greedy = Greedy(made, settings_.easyGreedy).score;
  return made;
}

std::variant<GeneratedPuzzle, std::string> Generator::Run() {
  const int size = options_.size;
  const Level asked = options_.level;
  const int count = WordCountFor(options_);
  const std::vector<ListedWord> pool = PoolFor(words_, asked, size, count);
  if (static_cast<int>(pool.size()) < count) {
    return "only " + std::to_string(pool.size()) + " words of 2 to " + std::to_string(size) +
           " characters: a puzzle of " + std::to_string(count) + " words on a board of " +
           std::to_string(size) + " needs more";
  }
  if (asked != Level::Easy) {
    // Candidates are tried while the time still holds one more and an easy
    // puzzle to fall back on.
    for (bool first = true;
         first || plan_.Allows(CandidateSeconds(asked) + CandidateSeconds(Level::Easy));
         first = false) {
      if (plan_.Cancelled()) return "cancelled";
      if (auto made = Candidate(asked, pool, count)) return *std::move(made);
    }
  }
  // An easy puzzle, asked for or when the level asked for was not reached in
  // time; each candidate that does not meet the level makes the next sparser.
  int easyCount = options_.words > 0 ? options_.words : DefaultWordCount(size, Level::Easy);
  const std::vector<ListedWord> easyPool = PoolFor(words_, Level::Easy, size, easyCount);
  GeneratedPuzzle easy;
  for (bool first = true; first || plan_.Allows(CandidateSeconds(Level::Easy)); first = false) {
    if (plan_.Cancelled()) return "cancelled";
    easy = Easy(easyPool, easyCount);
    if (easy.file.WordCount >= 2 && Meets(Level::Easy, easy.measure)) break;
    easyCount = std::max(2, easyCount * 5 / 6);
  }
  if (plan_.Cancelled()) return "cancelled";
  return easy;
}

}  // namespace

double StandardGenerationSeconds(int size) {
  return size <= 15 ? 2.0 : size <= 20 ? 5.0 : 10.0;
}

std::variant<GeneratedPuzzle, std::string> Generate(const std::vector<ListedWord>& words,
                                                    const GenerateOptions& options,
                                                    const std::atomic<bool>& cancel) {
  return Generator(words, options, cancel).Run();
}
