#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A thin owner of an SQLite connection and its statements, so that the
// records code reads as SQL and nothing leaks on an early return.
class SqliteError {
 public:
  SqliteError(std::string what, int code) : what_(std::move(what)), code_(code) {}
  // A file that was read and is not a database or is damaged. One that could
  // not be opened (a permission, a lock) or a failing disk is not.
  static SqliteError Damaged(std::string what);
  const std::string& What() const { return what_; }
  bool IsDamage() const;

 private:
  std::string what_;
  int code_;
};

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Binds parameters ?1, ?2, … in order; nullopt binds NULL.
  Statement& Bind(long long value);
  Statement& Bind(std::string_view text);
  Statement& Bind(const std::optional<long long>& value);
  Statement& Bind(const std::vector<std::uint8_t>& blob);

  // True while there is a row to read.
  bool Step();
  // Runs a statement that returns no rows.
  void Run() {
    while (Step()) {
    }
  }

  long long Integer(int column) const;
  std::optional<long long> MaybeInteger(int column) const;
  std::string Text(int column) const;
  std::vector<std::uint8_t> Blob(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  int next_ = 1;
};

class Sqlite {
 public:
  enum class Mode { ReadWrite, ReadOnly };
  // Opens the database file, creating it when missing for ReadWrite; throws
  // SqliteError.
  explicit Sqlite(const std::string& path, Mode mode = Mode::ReadWrite);
  ~Sqlite();
  Sqlite(const Sqlite&) = delete;
  Sqlite& operator=(const Sqlite&) = delete;

  // Runs one or more statements that return no rows.
  void Execute(std::string_view sql);
  Statement Prepare(std::string_view sql) { return Statement(db_, sql); }
  // The first column of the first row of a one-value query.
  long long Value(std::string_view sql);

  // Runs `work` in one transaction, taken for writing at once so that a
  // second game waits at the start instead of failing half-way.
  // A failed commit is undone too: left open, it would refuse every later
  // transaction.
  template <typename Work>
  void Transaction(Work&& work) {
    Execute("BEGIN IMMEDIATE");
    try {
      work();
      Execute("COMMIT");
    } catch (...) {
      RollBack();
      throw;
    }
  }

 private:
  // Undoes the open transaction, if SQLite has not already done so.
  void RollBack() noexcept;

  sqlite3* db_ = nullptr;
};
