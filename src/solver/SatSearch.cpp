#include "solver/SatSearch.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/SeededRandom.h"
#include "solver/CoreBound.h"
#include "solver/LazyConnectivity.h"
#include "solver/SatEncoding.h"
#include "solver/SatSolver.h"
#include "solver/ScoreCounter.h"
#include "solver/SolverBoard.h"

namespace {

// Puzzles whose placements take more literals than this are left to the
// local searches: the solver meets its conflicts too slowly there.
constexpr std::uint64_t kFittingLiterals = 200'000;
// The clauses the search may add in all, counters and cuts included.
constexpr std::uint64_t kMaxLiterals = 3'000'000;
// The checks a window of the smallest side gets, more for a larger one.
constexpr std::uint64_t kWindowChecks = 200;
// The game's placement rule for each word in turn, and the board complete.
bool LegalAndComplete(const SolverPuzzle& puzzle, const Arrangement& arrangement) {
  const std::vector<std::u16string> texts = TextsOf(puzzle);
  SolverBoard board(puzzle.size, texts);
  std::vector<bool> placed(texts.size(), false);
  for (const Placement& p : arrangement) {
    if (placed[static_cast<std::size_t>(p.word)] || !board.CanPlace(p)) return false;
    placed[static_cast<std::size_t>(p.word)] = true;
    board.Place(p);
  }
  return board.Complete();
}

}  // namespace

struct SatSearch::State {
  State(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent)
      : puzzle(puzzle), incumbent(incumbent), random(seed), encoding(puzzle, sat) {}
  enum class Step { Neighbourhood, Raise, Bound };
  // Mostly windows, which find better boards fastest; now and then the
  // whole board and the bound, which prove.
  static constexpr std::array kSteps{Step::Neighbourhood, Step::Neighbourhood, Step::Raise,
                                     Step::Bound};
  bool Build(Budget& budget);
  bool Continue(Budget& budget);
  // The solver tries the incumbent's placements first: boards near the best
  // so far are the likeliest to beat it.
  void PreferIncumbent();
  // The incumbent's words outside a window of the board, kept where they are.
  std::vector<int> KeepOutsideAWindow();
  // After a window: a smaller one again after a find, a larger one once
  // about every place of this one found nothing.
  void AfterWindow(SatSolver::Answer answer);
  void Offer();

  const SolverPuzzle& puzzle;
  Incumbent& incumbent;
  SeededRandom random;
  SatSolver sat;
  SatEncoding encoding;
  std::optional<PointsAtStake> stake;
  std::optional<ScoreCounter> score;
  std::optional<CoreBound> cores;
  std::optional<LazyConnectivity> connectivity;
  enum class Stage { Unbuilt, Searching, Failed } stage = Stage::Unbuilt;
  std::vector<int> preferred;
  long long preferredScore = -1;
  int smallest = 2, side = 2, failures = 0;
  std::size_t turn = 0;
  std::uint64_t slice = 100, checks = 0, sliceEnd = 100;
};

bool SatSearch::State::Build(Budget& budget) {
  if (!encoding.Build(budget)) return false;
  stake.emplace(puzzle, encoding);
  score.emplace(*stake, incumbent.Score());
  if (!score->Build(sat, kMaxLiterals)) return false;
  cores.emplace(*stake);
  connectivity.emplace(encoding, sat);
  connectivity->AddTouching();
  smallest = side = std::max(2, puzzle.size * 2 / 3);
  return true;
}

void SatSearch::State::PreferIncumbent() {
  if (incumbent.Score() == preferredScore) return;
  const Arrangement best = incumbent.Best();
  preferredScore = ScoreOf(puzzle, best);
  for (int variable : preferred) sat.ClearPreference(variable);
  preferred = encoding.VariablesOf(encoding.Canonical(best));
  std::erase(preferred, 0);
  for (int variable : preferred) sat.Prefer(variable);
}

std::vector<int> SatSearch::State::KeepOutsideAWindow() {
  const Arrangement best = encoding.Canonical(incumbent.Best());
  const int n = puzzle.size;
  const int left = random.Below(n - side + 1), top = random.Below(n - side + 1);
  Arrangement kept;
  for (const Placement& p : best) {
    const int length = static_cast<int>(puzzle.words[static_cast<std::size_t>(p.word)].text.size());
    const int right = p.down ? p.x : p.x + length - 1, bottom = p.down ? p.y + length - 1 : p.y;
    if (right < left || p.x >= left + side || bottom < top || p.y >= top + side) kept.push_back(p);
  }
  std::vector<int> keep = encoding.VariablesOf(kept);
  std::erase(keep, 0);
  return keep;
}

void SatSearch::State::AfterWindow(SatSolver::Answer answer) {
  if (answer == SatSolver::Answer::Satisfiable) {
    side = smallest;
    failures = 0;
  } else if (++failures > (puzzle.size - side + 1) * (puzzle.size - side + 1)) {
    side = std::min(puzzle.size, side + 1);
    failures = 0;
  }
}

void SatSearch::State::Offer() {
  if (connectivity->CutApart() > 1) return;
  const Arrangement found = encoding.ArrangementOf(sat);
  if (!LegalAndComplete(puzzle, found)) {
    stage = Stage::Failed;
    return;
  }
  incumbent.Offer(found, ScoreOf(puzzle, found));
}

bool SatSearch::State::Continue(Budget& budget) {
  if (stage == Stage::Unbuilt) stage = Build(budget) ? Stage::Searching : Stage::Failed;
  while (stage == Stage::Searching) {
    const long long beaten = incumbent.Score();
    if (cores->Bound() <= beaten) return puzzle.searchesEveryWord;
    const Step step = kSteps[turn % kSteps.size()];
    std::uint64_t stepEnd = sliceEnd;
    std::vector<int> assumptions;
    if (step == Step::Bound) {
      assumptions = cores->Assumptions();
    } else {
      const auto target = score->AtLeast(beaten + 1);
      if (!target) return puzzle.searchesEveryWord;
      assumptions = *target;
      PreferIncumbent();
      if (step == Step::Neighbourhood) {
        const std::vector<int> keep = KeepOutsideAWindow();
        assumptions.insert(assumptions.end(), keep.begin(), keep.end());
        stepEnd =
            std::min(sliceEnd, checks + kWindowChecks * static_cast<std::uint64_t>(side * side) /
                                            static_cast<std::uint64_t>(smallest * smallest));
      }
    }
    auto pointless = [&] { return ++checks > stepEnd || incumbent.Score() > beaten; };
    const auto answer = sat.Solve(assumptions, budget, pointless);
    if (step == Step::Neighbourhood) AfterWindow(answer);
    if (answer == SatSolver::Answer::Unsatisfiable) {
      if (step == Step::Raise) return puzzle.searchesEveryWord;
      if (step == Step::Bound) {
        if (!cores->Relax(sat, kMaxLiterals)) stage = Stage::Failed;
      }
    } else if (answer == SatSolver::Answer::Stopped) {
      if (budget.Spent()) return false;
    } else {
      Offer();
    }
    if (checks > sliceEnd) {
      ++turn;
      slice += slice / 4;
      sliceEnd = checks + slice;
    }
  }
  return false;
}

SatSearch::SatSearch(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent)
    : puzzle_(puzzle),
      state_(FitsSatSearch(puzzle) ? std::make_unique<State>(puzzle, seed, incumbent) : nullptr) {}

SatSearch::~SatSearch() = default;

bool SatSearch::Continue(Budget& budget) {
  return state_ && state_->Continue(budget);
}

long long SatSearch::Bound() const {
  // Its cores bound only the words it searches for.
  if (!state_ || !state_->cores || !puzzle_.searchesEveryWord) return puzzle_.upperBound;
  return std::min(puzzle_.upperBound, state_->cores->Bound());
}

bool FitsSatSearch(const SolverPuzzle& puzzle) {
  return puzzle.size > 0 && !puzzle.words.empty() &&
         SatEncoding::LiteralsFor(puzzle) <= kFittingLiterals;
}
