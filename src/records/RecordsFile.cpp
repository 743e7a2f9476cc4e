#include "records/RecordsFile.h"

#include <array>
#include <filesystem>

#include "platform/ByteFile.h"
#include "platform/Utf8.h"

namespace {

namespace fs = std::filesystem;

// Each step takes the schema from version i to i + 1.
const std::array<const char*, 1> kMigrations{
    "CREATE TABLE puzzles ("
    "  fingerprint TEXT PRIMARY KEY, name TEXT NOT NULL, path TEXT NOT NULL DEFAULT '',"
    "  size INTEGER NOT NULL, words INTEGER NOT NULL, level TEXT NOT NULL DEFAULT '',"
    "  target INTEGER, proven INTEGER NOT NULL DEFAULT 0,"
    "  first_played TEXT NOT NULL DEFAULT '', last_played TEXT NOT NULL DEFAULT '',"
    "  best INTEGER, best_board BLOB, left_board BLOB, reached INTEGER NOT NULL DEFAULT 0,"
    "  shipped INTEGER NOT NULL DEFAULT 0, daily TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX puzzles_by_last_played ON puzzles (last_played);"
    "CREATE TABLE daily ("
    "  date TEXT PRIMARY KEY, fingerprint TEXT NOT NULL, best INTEGER,"
    "  reached INTEGER NOT NULL DEFAULT 0);"};
constexpr long long kSchemaVersion = kMigrations.size();

// Reads the whole file through, so that a damaged page shows now and not in
// the middle of play. Reads only: a file moved aside stays as it was.
void CheckWhole(Sqlite& db) {
  Statement check = db.Prepare("PRAGMA quick_check");
  if (!check.Step() || check.Text(0) != "ok")
    throw SqliteError::Damaged("the records file is damaged");
}

long long CheckedVersion(Sqlite& db) {
  const long long version = db.Value("PRAGMA user_version");
  // quick_check does not read the header's version: a damaged byte there can
  // make it negative.
  if (version < 0) throw SqliteError::Damaged("the records file is damaged");
  if (version > kSchemaVersion)
    throw SqliteError::Damaged("the records come from a newer version of the game");
  return version;
}

std::unique_ptr<Sqlite> OpenForPlay(const std::string& path) {
  auto db = std::make_unique<Sqlite>(path);
  CheckWhole(*db);
  const bool current = CheckedVersion(*db) == kSchemaVersion;
  // WAL: readers never wait for a writer and a commit is one append. A
  // process killed at any moment loses nothing committed; NORMAL syncs at
  // checkpoints, which is enough short of a power cut.
  db->Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL");
  // A file at this version needs no write, so a second game writing is not
  // waited for. The version is read again inside each step: a second game
  // may have migrated the file while this one waited for it.
  for (bool migrated = current; !migrated;) {
    db->Transaction([&] {
      const long long version = CheckedVersion(*db);
      migrated = version == kSchemaVersion;
      if (migrated) return;
      db->Execute(kMigrations[static_cast<std::size_t>(version)]);
      db->Execute("PRAGMA user_version = " + std::to_string(version + 1));
    });
  }
  return db;
}

// "Records-2026-12-09.db", or "Records-2026-12-09-2.db" when that is taken.
fs::path AsideName(const fs::path& file, const std::string& today) {
  for (int n = 1;; ++n) {
    const std::string suffix = n == 1 ? "" : "-" + std::to_string(n);
    fs::path aside = file.parent_path() / ("Records-" + today + suffix + ".db");
    if (!fs::exists(aside)) return aside;
  }
}

// Moves the file and its journal aside as they are; the shared-memory index
// is rebuilt from them by whoever opens the moved copy.
std::string MoveAside(const fs::path& file, const std::string& today) {
  const fs::path aside = AsideName(file, today);
  std::error_code ignored;
  fs::rename(file, aside, ignored);
  fs::rename(file.string() + "-wal", aside.string() + "-wal", ignored);
  fs::remove(file.string() + "-shm", ignored);
  return aside.filename().string();
}

}  // namespace

OpenedRecords OpenRecordsFile(const std::string& folder, const std::string& today) {
  constexpr std::u16string_view kWithout = u"記録なしで遊べます。";
  if (!FolderIsWritable(folder)) {
    return {nullptr, u"記録を残すフォルダーに書き込めません。" + std::u16string(kWithout)};
  }
  const fs::path file = fs::path(folder) / kRecordsFileName;
  try {
    return {OpenForPlay(file.string()), u""};
  } catch (const SqliteError& error) {
    // A file that could not be opened, a busy one or a failing disk is not
    // damaged: it is left alone.
    if (!error.IsDamage())
      return {nullptr, u"記録のファイルを開けません。" + std::u16string(kWithout)};
  }
  const std::string aside = MoveAside(file, today);
  try {
    return {OpenForPlay(file.string()), u"記録のファイルが読めなかったので " +
                                            Utf8ToUtf16(aside).value_or(u"") +
                                            u" として残し、新しい記録を始めます。"};
  } catch (const SqliteError&) {
    return {nullptr, u"記録のファイルを作れません。" + std::u16string(kWithout)};
  }
}

std::unique_ptr<Sqlite> ReadRecordsFile(const std::string& path) {
  auto db = std::make_unique<Sqlite>(path, Sqlite::Mode::ReadOnly);
  CheckWhole(*db);
  // A file begun but never given its tables holds no records yet.
  return CheckedVersion(*db) == 0 ? nullptr : std::move(db);
}
