#pragma once

#include <QIcon>
#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "game/Game.h"
#include "platform/GameFolders.h"
#include "records/OpenRecordedPuzzle.h"
#include "records/PlayRecorder.h"
#include "records/RecordsKeeper.h"

class Formain;
class KeyState;
class PuzzleChooser;
class RecordsWindow;

// The records side of the running game: it keeps the record of the puzzle in
// play as the player plays, shows its target line, says when a target is
// reached, and opens the windows パズルを選ぶ and 記録. It never waits for
// the records: what it asks is answered after a later pass.
class PlayerRecords {
 public:
  using Day = std::chrono::year_month_day;

  PlayerRecords(Game& game, Formain& window, const KeyState& keys, const QIcon& icon,
                const GameFolders& folders, std::function<void(Day)> openDay);
  ~PlayerRecords();

  // What the next puzzle put into play is, when its opener knows more of it
  // than its file tells: a made puzzle's heading, level and target, a puzzle
  // of the day's date, a record's name.
  void ExpectOpening(PuzzleRecord origin) { origin_ = std::move(origin); }
  void ForgetOpening() { origin_.reset(); }
  // A puzzle was put into play.
  void PuzzleOpened();
  // After each pass of the main loop.
  void AfterPass();
  // Before the game ends: what was played is written out.
  void Finish();

  // Opens the puzzle of the day of `day` as the player left it, when it was
  // made before; otherwise calls `make`. Both come once the records answer.
  void OpenKeptDaily(Day day, std::function<void()> make);

  void OpenChooser();
  void OpenRecordsWindow();

 private:
  // The records, told of the shipped puzzles the first time they are needed.
  RecordsKeeper& Keeper();
  void OpenRecord(const RecordedPuzzle& puzzle);
  void ShowLine();
  // A reached target is told once play rests: never in the middle of a drag
  // or while a key is held.
  void Celebrate();

  Game& game_;
  Formain& window_;
  const KeyState& keys_;
  QIcon icon_;
  std::function<void(Day)> openDay_;
  GameFolders folders_;
  RecordsKeeper keeper_;
  PlayRecorder recorder_;
  std::optional<PuzzleRecord> origin_;
  std::optional<Celebration> celebration_;
  bool dailyAsked_ = false;  // a puzzle of the day is on its way
  QPointer<PuzzleChooser> chooser_;
  QPointer<RecordsWindow> recordsWindow_;
};
