#include "records/PlayRecorder.h"

#include <utility>

#include "files/PuzzleFile.h"
#include "platform/LocalDate.h"
#include "records/Fingerprint.h"
#include "records/RecordsKeeper.h"

namespace {

// Where every word lies, in one number.
std::uint64_t PlacementOf(const PuzzleState& puzzle) {
  std::uint64_t hash = 0xCBF29CE484222325u;
  auto add = [&hash](std::uint64_t value) { hash = (hash ^ value) * 0x100000001B3u; };
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& w = puzzle.Word(k);
    add(static_cast<std::uint64_t>(w.Placed) << 48 |
        static_cast<std::uint64_t>(static_cast<std::uint16_t>(w.Column)) << 32 |
        static_cast<std::uint64_t>(static_cast<std::uint16_t>(w.Row)) << 16 |
        static_cast<std::uint64_t>(w.Direction));
  }
  return hash;
}

PuzzleFile FileOf(const Game& game) {
  return PuzzleFileOf(game.Puzzle, game.FileHeader == kFileHeader);
}

}  // namespace

void PlayRecorder::Opened(const Game& game, PuzzleRecord known) {
  Leave();
  const PuzzleFile file = FileOf(game);
  known.fingerprint = Fingerprint(file);
  known.size = file.BoardSize;
  known.words = file.WordCount;
  known.leftBoard = EncodePuzzleFile(file).value_or(Bytes{});
  const std::string now = LocalTimestamp();
  keeper_.Write([known, now](Records& records) {
    records.Remember(known);
    records.Played(known.fingerprint, now);
    if (!known.daily.empty()) records.RecordDaily(known.daily, known.fingerprint, {}, false);
  });
  const int opening = ++openings_;
  keeper_.Ask<std::optional<PuzzleRecord>>(
      [fingerprint = known.fingerprint](Records& records) { return records.Find(fingerprint); },
      std::nullopt,
      [this, opening](std::optional<PuzzleRecord> stored) { Found(opening, std::move(stored)); });
  current_ = std::move(known);
  found_ = false;
  unjudged_.reset();
  celebration_.reset();
  seen_ = PlacementOf(game.Puzzle);
  leftUnwritten_ = false;
  reachedThisTime_ = false;
}

void PlayRecorder::Found(int opening, std::optional<PuzzleRecord> stored) {
  if (opening != openings_) return;  // another puzzle was opened since
  if (stored) {
    // The stored board as left is the last session's: the board on screen
    // takes its place.
    stored->leftBoard = std::move(current_->leftBoard);
    current_ = std::move(*stored);
  }
  found_ = true;
  if (unjudged_) celebration_ = Judge(*std::exchange(unjudged_, std::nullopt));
}

std::optional<Celebration> PlayRecorder::Observe(const Game& game, std::int64_t now) {
  if (!current_) return std::nullopt;
  const PuzzleState& puzzle = game.Puzzle;
  if (const std::uint64_t placement = PlacementOf(puzzle); placement != seen_) {
    seen_ = placement;
    current_->leftBoard = EncodePuzzleFile(FileOf(game)).value_or(Bytes{});
    leftUnwritten_ = true;
  }

  std::optional<Celebration> celebration = std::exchange(celebration_, std::nullopt);
  if (puzzle.Incomplete == 0 && puzzle.PlacedCount > 0) {
    CompleteBoard complete{puzzle.Score, current_->leftBoard};
    if (found_) {
      if (auto judged = Judge(complete)) celebration = judged;
    } else if (!unjudged_ || complete.score > unjudged_->score) {
      unjudged_ = std::move(complete);
    }
  }
  if (leftUnwritten_ && now - leftWrittenAt_ >= kLeftBoardMilliseconds) {
    Leave();
    leftWrittenAt_ = now;
  }
  return celebration;
}

void PlayRecorder::Leave() {
  if (!current_ || !leftUnwritten_) return;
  leftUnwritten_ = false;
  keeper_.Write(
      [fingerprint = current_->fingerprint, board = current_->leftBoard,
       now = LocalTimestamp()](Records& records) { records.RecordLeft(fingerprint, board, now); });
}

std::optional<Celebration> PlayRecorder::Judge(const CompleteBoard& complete) {
  std::optional<Celebration> celebration;
  if (!current_->best || complete.score > *current_->best) {
    celebration = CelebrationOf(*current_, complete.score);
    RecordBest(complete);
  }
  if (current_->target && complete.score >= *current_->target && !reachedThisTime_) CountReached();
  return celebration;
}

void PlayRecorder::RecordBest(const CompleteBoard& complete) {
  PuzzleRecord& r = *current_;
  TakeNewBest(r, complete.score);
  r.bestBoard = complete.board;
  const bool reached = r.Reached();
  keeper_.Write([r, reached, now = LocalTimestamp()](Records& records) {
    records.RecordBest(r.fingerprint, *r.best, r.bestBoard, now);
    if (!r.daily.empty()) records.RecordDaily(r.daily, r.fingerprint, r.best, reached);
  });
  // The best board is kept as the board as left too: a later one, judged
  // late, still has to be written.
  leftUnwritten_ = r.bestBoard != r.leftBoard;
}

void PlayRecorder::CountReached() {
  reachedThisTime_ = true;
  ++current_->reached;
  keeper_.Write([fingerprint = current_->fingerprint](Records& records) {
    records.CountReached(fingerprint);
  });
}
