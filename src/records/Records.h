#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/PuzzleRecord.h"
#include "records/Sqlite.h"

// The player's records in one SQLite database: every puzzle the game knows
// and the days the puzzle of the day was played. Each change is one short
// transaction. Throws SqliteError when the database fails.
class Records {
 public:
  explicit Records(Sqlite& db) : db_(db) {}

  std::optional<PuzzleRecord> Find(const std::string& fingerprint);
  // Every puzzle, most recently played first, then the never-played by name;
  // without the boards, which Find brings.
  std::vector<PuzzleRecord> List();

  // Makes the puzzle known, or tells what more is known of it: a path, a
  // level, a higher target. The name (but a shipped puzzle's) and a board
  // are kept from the first time; a missing board is filled in.
  void Remember(const PuzzleRecord& known);
  // The player opened it at `when`.
  void Played(const std::string& fingerprint, const std::string& when);
  // A complete board of `score`, which is also the board as left: kept when
  // it beats the player's best; a known target it passes rises to it.
  void RecordBest(const std::string& fingerprint, long long score,
                  const std::vector<std::uint8_t>& board, const std::string& when);
  void RecordLeft(const std::string& fingerprint, const std::vector<std::uint8_t>& board,
                  const std::string& when);
  void CountReached(const std::string& fingerprint);

  // The puzzle of the day of `date` was opened, or reached `score`.
  void RecordDaily(const std::string& date, const std::string& fingerprint,
                   std::optional<long long> score, bool reached);
  std::vector<DailyRecord> Days();
  std::optional<DailyRecord> Day(const std::string& date);

 private:
  Sqlite& db_;
};
