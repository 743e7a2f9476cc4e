#include "records/Sqlite.h"

#include <sqlite3.h>

namespace {

// How long a busy database (a second game writing) is waited for.
constexpr int kBusyMilliseconds = 2000;

[[noreturn]] void Fail(sqlite3* db) {
  throw SqliteError(sqlite3_errmsg(db), sqlite3_errcode(db));
}

}  // namespace

SqliteError SqliteError::Damaged(std::string what) {
  return SqliteError(std::move(what), SQLITE_CORRUPT);
}

bool SqliteError::IsDamage() const {
  return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB;
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
      SQLITE_OK)
    Fail(db);
}

Statement::~Statement() {
  sqlite3_finalize(statement_);
}

Statement& Statement::Bind(long long value) {
  if (sqlite3_bind_int64(statement_, next_++, value) != SQLITE_OK) Fail(db_);
  return *this;
}

Statement& Statement::Bind(std::string_view text) {
  if (sqlite3_bind_text(statement_, next_++, text.data(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    Fail(db_);
  return *this;
}

Statement& Statement::Bind(const std::optional<long long>& value) {
  if (value) return Bind(*value);
  if (sqlite3_bind_null(statement_, next_++) != SQLITE_OK) Fail(db_);
  return *this;
}

Statement& Statement::Bind(const std::vector<std::uint8_t>& blob) {
  if (sqlite3_bind_blob(statement_, next_++, blob.data(), static_cast<int>(blob.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    Fail(db_);
  return *this;
}

bool Statement::Step() {
  switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
      return true;
    case SQLITE_DONE:
      return false;
    default:
      Fail(db_);
  }
}

long long Statement::Integer(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::optional<long long> Statement::MaybeInteger(int column) const {
  if (sqlite3_column_type(statement_, column) == SQLITE_NULL) return std::nullopt;
  return Integer(column);
}

std::string Statement::Text(int column) const {
  const auto* text = sqlite3_column_text(statement_, column);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
              : std::string();
}

std::vector<std::uint8_t> Statement::Blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  return data ? std::vector<std::uint8_t>(data, data + sqlite3_column_bytes(statement_, column))
              : std::vector<std::uint8_t>();
}

Sqlite::Sqlite(const std::string& path, Mode mode) {
  const int flags =
      mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const int opened = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (opened != SQLITE_OK) {
    const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(opened);
    sqlite3_close(db_);
    throw SqliteError(why, opened);
  }
  sqlite3_busy_timeout(db_, kBusyMilliseconds);
}

Sqlite::~Sqlite() {
  sqlite3_close(db_);
}

void Sqlite::Execute(std::string_view sql) {
  const std::string text(sql);
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db_);
}

void Sqlite::RollBack() noexcept {
  if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

long long Sqlite::Value(std::string_view sql) {
  Statement statement = Prepare(sql);
  return statement.Step() ? statement.Integer(0) : 0;
}
