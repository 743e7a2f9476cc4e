#include "RecordsCommand.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/LocalDate.h"
#include "records/Records.h"
#include "records/RecordsFile.h"
#include "records/Statistics.h"

namespace {

namespace fs = std::filesystem;

// The game keeps its data beside itself when run from its build folder, and
// in the per-user data folder when installed.
fs::path GameDataFolder(const std::string& programFolder) {
  const fs::path beside = fs::path(programFolder) / "Data";
  if (fs::exists(beside / kRecordsFileName)) return beside;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const fs::path share =
      xdg && *xdg == '/' ? fs::path(xdg) : fs::path(home ? home : "") / ".local" / "share";
  return share / "tsubura" / "Data";
}

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : text;
}

void PrintPuzzles(const std::vector<PuzzleRecord>& puzzles) {
  for (const PuzzleRecord& p : puzzles) {
    if (p.lastPlayed.empty()) continue;
    std::cout << p.Title() << ": best " << p.best.value_or(0) << " target "
              << (p.target ? std::to_string(*p.target) : "-") << " level " << OrDash(p.level)
              << " size " << p.size << " words " << p.words << " last "
              << p.lastPlayed.substr(0, 10) << "\n";
  }
}

void PrintStatistics(const std::vector<PuzzleRecord>& puzzles,
                     const std::vector<DailyRecord>& days) {
  const PlayCounts counts = CountPuzzles(puzzles).all;
  const DailyStatistics daily = CountDays(days, LocalDate());
  std::cout << "played " << counts.played << " cleared " << counts.cleared << " daily "
            << daily.played << " streak " << daily.streak << " longest " << daily.longest << "\n";
}

}  // namespace

int RecordsCommand(const std::string& programFolder, const std::vector<std::string>& arguments) {
  fs::path folder;
  bool statistics = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--stats") {
      statistics = true;
    } else if (arguments[i] == "--data" && i + 1 < arguments.size()) {
      folder = arguments[++i];
    } else {
      return 2;
    }
  }
  if (folder.empty()) folder = GameDataFolder(programFolder);
  const fs::path file = folder / kRecordsFileName;

  std::vector<PuzzleRecord> puzzles;
  std::vector<DailyRecord> days;
  if (fs::exists(file)) {
    try {
      if (const std::unique_ptr<Sqlite> db = ReadRecordsFile(file.string())) {
        Records records(*db);
        puzzles = records.List();
        days = records.Days();
      }
    } catch (const SqliteError& error) {
      std::cerr << file.string() << ": " << error.What() << "\n";
      return 1;
    }
  }
  if (statistics) {
    PrintStatistics(puzzles, days);
  } else {
    PrintPuzzles(puzzles);
  }
  return 0;
}
