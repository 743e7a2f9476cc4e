#include "records/PlayRecorder.h"

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
  current_ = keeper_.Read<PuzzleRecord>(
      [&known](Records& records) { return records.Find(known.fingerprint).value_or(known); },
      known);
  // The stored board as left is the last session's: from now on it is the
  // board on screen, which is what a best made at once must keep.
  current_->leftBoard = known.leftBoard;
  seen_ = PlacementOf(game.Puzzle);
  leftUnwritten_ = false;
  reachedThisTime_ = false;
}

std::optional<Celebration> PlayRecorder::Observe(const Game& game, std::int64_t now) {
  if (!current_) return std::nullopt;
  const PuzzleState& puzzle = game.Puzzle;
  if (const std::uint64_t placement = PlacementOf(puzzle); placement != seen_) {
    seen_ = placement;
    current_->leftBoard = EncodePuzzleFile(FileOf(game)).value_or(Bytes{});
    leftUnwritten_ = true;
  }

  std::optional<Celebration> celebration;
  if (puzzle.Incomplete == 0 && puzzle.PlacedCount > 0) {
    const long long score = puzzle.Score;
    if (!current_->best || score > *current_->best) {
      celebration = CelebrationOf(*current_, score);
      RecordBest(score);
    }
    if (current_->target && score >= *current_->target && !reachedThisTime_) CountReached();
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

void PlayRecorder::RecordBest(long long score) {
  PuzzleRecord& r = *current_;
  if (r.target && score > *r.target) {
    r.target = score;
    r.proven = false;
  }
  r.best = score;
  r.bestBoard = r.leftBoard;
  const bool reached = r.Reached();
  keeper_.Write([r, reached, now = LocalTimestamp()](Records& records) {
    records.RecordBest(r.fingerprint, *r.best, r.bestBoard, now);
    if (!r.daily.empty()) records.RecordDaily(r.daily, r.fingerprint, r.best, reached);
  });
  leftUnwritten_ = false;
}

void PlayRecorder::CountReached() {
  reachedThisTime_ = true;
  ++current_->reached;
  keeper_.Write([fingerprint = current_->fingerprint](Records& records) {
    records.CountReached(fingerprint);
  });
}
