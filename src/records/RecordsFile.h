#pragma once

#include <memory>
#include <string>

#include "records/Sqlite.h"

// The records database of a data folder, ready for use: created when
// missing, brought up to this version's schema, in WAL mode.
struct OpenedRecords {
  std::unique_ptr<Sqlite> db;  // null when the folder cannot hold records
  // What the player is told once: "" when all went well.
  std::u16string notice;
};

inline constexpr const char* kRecordsFileName = "Records.db";

// A file that is damaged or comes from a newer version of the game is moved
// aside unchanged ("Records-2026-12-09.db" beside it) and a new one begun;
// one that cannot be opened is left as it is, and the game plays without
// records this time. `today` names the moved file.
OpenedRecords OpenRecordsFile(const std::string& folder, const std::string& today);

// Opens an existing records file only to read it, checking it whole first;
// null for a file that holds no records yet. Throws SqliteError when it is
// missing, damaged or newer than this version.
std::unique_ptr<Sqlite> ReadRecordsFile(const std::string& path);
