#include "generator/DailyPuzzle.h"

std::uint64_t SeedOfDate(std::chrono::year_month_day date) {
  const auto days = std::chrono::sys_days(date).time_since_epoch().count();
  // Spread neighbouring days far apart (a 64-bit mix).
  std::uint64_t seed = static_cast<std::uint64_t>(days) + 0x9E3779B97F4A7C15u;
  seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9u;
  seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBu;
  return seed ^ (seed >> 31);
}

DailyChoice DailyPuzzleOf(std::chrono::year_month_day date, std::size_t themeCount) {
  const auto days = std::chrono::sys_days(date).time_since_epoch().count();
  DailyChoice choice;
  if (themeCount > 0) {
    const auto count = static_cast<long long>(themeCount);
    choice.theme = static_cast<std::size_t>((days % count + count) % count);
  }
  choice.options.size = 15;
  choice.options.level = Level::Normal;
  choice.options.seed = SeedOfDate(date);
  // Made once a day: it may take longer than a puzzle made on request, so
  // that it reaches its level.
  choice.options.seconds = 1.5 * StandardGenerationSeconds(choice.options.size);
  return choice;
}
