#pragma once

#include <cstdint>
#include <optional>

#include "game/Game.h"
#include "platform/ByteFile.h"
#include "records/Achievement.h"
#include "records/PuzzleRecord.h"

class RecordsKeeper;

// Keeps the record of the puzzle in play up to date as the player plays: the
// puzzle opened, each new best complete score with its board, the board as
// left (at most every few seconds while it changes, and when the puzzle is
// left), and the puzzle of the day's result. It watches the game's state
// after each pass, so every way a board changes counts alike. What the
// records already hold of a puzzle comes a moment after it is opened; a
// complete board made before then is judged when it comes.
class PlayRecorder {
 public:
  static constexpr std::int64_t kLeftBoardMilliseconds = 3000;

  explicit PlayRecorder(RecordsKeeper& keeper) : keeper_(keeper) {}

  // The puzzle now in play. `known` is what its origin tells: its name and
  // path, and for a made puzzle its level, target and day.
  void Opened(const Game& game, PuzzleRecord known);
  // Notes what changed since the last look; a new best that reached or beat
  // the target is returned, once.
  std::optional<Celebration> Observe(const Game& game, std::int64_t nowMilliseconds);
  // Writes the board as last seen if it is not written yet.
  void Leave();

  // The record of the puzzle in play; nullptr before the first.
  const PuzzleRecord* Current() const { return current_ ? &*current_ : nullptr; }

 private:
  struct CompleteBoard {
    long long score;
    Bytes board;
  };
  // What the records hold of the puzzle opened `opening`-th.
  void Found(int opening, std::optional<PuzzleRecord> stored);
  std::optional<Celebration> Judge(const CompleteBoard& complete);
  void RecordBest(const CompleteBoard& complete);
  void CountReached();

  RecordsKeeper& keeper_;
  std::optional<PuzzleRecord> current_;
  int openings_ = 0;
  bool found_ = false;                     // the records' part of current_ has come
  std::optional<CompleteBoard> unjudged_;  // the best complete board before it came
  std::optional<Celebration> celebration_;
  std::uint64_t seen_ = 0;  // the placement last looked at
  bool leftUnwritten_ = false;
  std::int64_t leftWrittenAt_ = 0;
  bool reachedThisTime_ = false;
};
