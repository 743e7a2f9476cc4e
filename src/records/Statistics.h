#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "records/PuzzleRecord.h"

// Puzzles played, and cleared: a complete board reached the target.
struct PlayCounts {
  int played = 0;
  int cleared = 0;
};

// By level id ("easy", "normal", "hard", "" for the rest), and in all.
struct PuzzleStatistics {
  std::map<std::string, PlayCounts> byLevel;
  PlayCounts all;
};
PuzzleStatistics CountPuzzles(const std::vector<PuzzleRecord>& puzzles);
bool Cleared(const PuzzleRecord& puzzle);

// The puzzle of the day: the days it was played, the days its target was
// reached, and streaks of such days in a row. A missed day ends a streak;
// today, while still open, does not.
struct DailyStatistics {
  int played = 0;
  int reached = 0;
  int streak = 0;
  int longest = 0;
};
DailyStatistics CountDays(const std::vector<DailyRecord>& days, std::chrono::year_month_day today);
