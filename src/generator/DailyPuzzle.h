#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "generator/Generate.h"
#include "platform/LocalDate.h"

// The seed a date gives: the same day, the same seed, on every copy.
std::uint64_t SeedOfDate(std::chrono::year_month_day date);

// The puzzle of the day: 15 x 15, normal, the themes taking turns day by day.
struct DailyChoice {
  std::size_t theme;  // index into the themes, by id
  GenerateOptions options;
};
DailyChoice DailyPuzzleOf(std::chrono::year_month_day date, std::size_t themeCount);
