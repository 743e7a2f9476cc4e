#include "records/Statistics.h"

#include <algorithm>
#include <optional>
#include <set>

#include "platform/LocalDate.h"

bool Cleared(const PuzzleRecord& puzzle) {
  return puzzle.reached > 0 || puzzle.Reached();
}

PuzzleStatistics CountPuzzles(const std::vector<PuzzleRecord>& puzzles) {
  PuzzleStatistics statistics;
  for (const PuzzleRecord& puzzle : puzzles) {
    if (puzzle.lastPlayed.empty()) continue;
    for (PlayCounts* counts : {&statistics.byLevel[puzzle.level], &statistics.all}) {
      ++counts->played;
      if (Cleared(puzzle)) ++counts->cleared;
    }
  }
  return statistics;
}

DailyStatistics CountDays(const std::vector<DailyRecord>& days, std::chrono::year_month_day today) {
  using std::chrono::sys_days;
  DailyStatistics statistics;
  std::set<sys_days> reached;
  for (const DailyRecord& day : days) {
    ++statistics.played;
    const auto date = ParseDate(day.date);
    if (!day.reached || !date) continue;
    ++statistics.reached;
    reached.insert(sys_days(*date));
  }

  std::optional<sys_days> previous;
  int run = 0;
  for (sys_days day : reached) {
    run = previous && day - *previous == std::chrono::days(1) ? run + 1 : 1;
    statistics.longest = std::max(statistics.longest, run);
    previous = day;
  }

  sys_days day = sys_days(today);
  if (!reached.count(day)) day -= std::chrono::days(1);
  while (reached.count(day)) {
    ++statistics.streak;
    day -= std::chrono::days(1);
  }
  return statistics;
}
