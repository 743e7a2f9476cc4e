#include "records/Records.h"

namespace {

constexpr const char* kSummaryColumns =
    "fingerprint, name, path, size, words, level, target, proven, first_played, last_played, "
    "best, reached, shipped, daily, length(left_board) > 0";

PuzzleRecord SummaryOf(const Statement& row) {
  PuzzleRecord r;
  r.fingerprint = row.Text(0);
  r.name = row.Text(1);
  r.path = row.Text(2);
  r.size = static_cast<int>(row.Integer(3));
  r.words = static_cast<int>(row.Integer(4));
  r.level = row.Text(5);
  r.target = row.MaybeInteger(6);
  r.proven = row.Integer(7) != 0;
  r.firstPlayed = row.Text(8);
  r.lastPlayed = row.Text(9);
  r.best = row.MaybeInteger(10);
  r.reached = static_cast<int>(row.Integer(11));
  r.shipped = row.Integer(12) != 0;
  r.daily = row.Text(13);
  r.hasBoard = row.Integer(14) != 0;
  return r;
}

DailyRecord DayOf(const Statement& row) {
  return {row.Text(0), row.Text(1), row.MaybeInteger(2), row.Integer(3) != 0};
}

}  // namespace

std::optional<PuzzleRecord> Records::Find(const std::string& fingerprint) {
  Statement row = db_.Prepare(std::string("SELECT ") + kSummaryColumns +
                              ", best_board, left_board FROM puzzles WHERE fingerprint = ?");
  row.Bind(fingerprint);
  if (!row.Step()) return std::nullopt;
  PuzzleRecord r = SummaryOf(row);
  r.bestBoard = row.Blob(15);
  r.leftBoard = row.Blob(16);
  return r;
}

std::vector<PuzzleRecord> Records::List() {
  Statement row = db_.Prepare(std::string("SELECT ") + kSummaryColumns +
                              " FROM puzzles ORDER BY last_played DESC, name");
  std::vector<PuzzleRecord> all;
  while (row.Step()) all.push_back(SummaryOf(row));
  return all;
}

void Records::Remember(const PuzzleRecord& known) {
  db_.Transaction([&] {
    db_.Prepare(
           "INSERT INTO puzzles (fingerprint, name, path, size, words, level, target, proven, "
           "shipped, daily, left_board) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
           "ON CONFLICT (fingerprint) DO UPDATE SET "
           "name = CASE WHEN excluded.shipped = 1 THEN excluded.name ELSE name END, "
           "path = CASE WHEN excluded.path = '' THEN path ELSE excluded.path END, "
           "level = CASE WHEN excluded.level = '' THEN level ELSE excluded.level END, "
           "proven = CASE WHEN excluded.target > ifnull(target, -1) THEN excluded.proven "
           "  WHEN excluded.target = target THEN max(proven, excluded.proven) ELSE proven END, "
           "target = max(ifnull(target, excluded.target), ifnull(excluded.target, target)), "
           "shipped = max(shipped, excluded.shipped), "
           "daily = CASE WHEN excluded.daily = '' THEN daily ELSE excluded.daily END, "
           "left_board = ifnull(left_board, excluded.left_board)")
        .Bind(known.fingerprint)
        .Bind(known.name)
        .Bind(known.path)
        .Bind(known.size)
        .Bind(known.words)
        .Bind(known.level)
        .Bind(known.target)
        .Bind(known.proven ? 1 : 0)
        .Bind(known.shipped ? 1 : 0)
        .Bind(known.daily)
        .Bind(known.leftBoard)
        .Run();
  });
}

void Records::Played(const std::string& fingerprint, const std::string& when) {
  db_.Transaction([&] {
    db_.Prepare(
           "UPDATE puzzles SET last_played = ?1, "
           "first_played = CASE WHEN first_played = '' THEN ?1 ELSE first_played END "
           "WHERE fingerprint = ?2")
        .Bind(when)
        .Bind(fingerprint)
        .Run();
  });
}

void Records::RecordBest(const std::string& fingerprint, long long score,
                         const std::vector<std::uint8_t>& board, const std::string& when) {
  db_.Transaction([&] {
    db_.Prepare(
           "UPDATE puzzles SET best = ?1, best_board = ?2, left_board = ?2, last_played = ?3, "
           "proven = CASE WHEN ?1 > target THEN 0 ELSE proven END, "
           "target = CASE WHEN ?1 > target THEN ?1 ELSE target END "
           "WHERE fingerprint = ?4 AND (best IS NULL OR best < ?1)")
        .Bind(score)
        .Bind(board)
        .Bind(when)
        .Bind(fingerprint)
        .Run();
  });
}

void Records::RecordLeft(const std::string& fingerprint, const std::vector<std::uint8_t>& board,
                         const std::string& when) {
  db_.Transaction([&] {
    db_.Prepare("UPDATE puzzles SET left_board = ?, last_played = ? WHERE fingerprint = ?")
        .Bind(board)
        .Bind(when)
        .Bind(fingerprint)
        .Run();
  });
}

void Records::CountReached(const std::string& fingerprint) {
  db_.Transaction([&] {
    db_.Prepare("UPDATE puzzles SET reached = reached + 1 WHERE fingerprint = ?")
        .Bind(fingerprint)
        .Run();
  });
}

void Records::RecordDaily(const std::string& date, const std::string& fingerprint,
                          std::optional<long long> score, bool reached) {
  db_.Transaction([&] {
    db_.Prepare(
           "INSERT INTO daily (date, fingerprint, best, reached) VALUES (?, ?, ?, ?) "
           "ON CONFLICT (date) DO UPDATE SET "
           "best = max(ifnull(best, excluded.best), ifnull(excluded.best, best)), "
           "reached = max(reached, excluded.reached)")
        .Bind(date)
        .Bind(fingerprint)
        .Bind(score)
        .Bind(reached ? 1 : 0)
        .Run();
  });
}

std::vector<DailyRecord> Records::Days() {
  Statement row = db_.Prepare("SELECT date, fingerprint, best, reached FROM daily ORDER BY date");
  std::vector<DailyRecord> days;
  while (row.Step()) days.push_back(DayOf(row));
  return days;
}

std::optional<DailyRecord> Records::Day(const std::string& date) {
  Statement row = db_.Prepare("SELECT date, fingerprint, best, reached FROM daily WHERE date = ?");
  row.Bind(date);
  if (!row.Step()) return std::nullopt;
  return DayOf(row);
}
