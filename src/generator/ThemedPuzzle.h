#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "generator/Generate.h"
#include "generator/Themes.h"

// A puzzle made from themes, with the name it is saved under ("動物-2026-12-08")
// and the heading it is shown with ("動物（むずかしい）").
struct ThemedPuzzle {
  GeneratedPuzzle made;
  std::string name;
  std::u16string heading;
};

// A puzzle of the words of `themes`, made on `date`.
std::variant<ThemedPuzzle, std::string> MakeThemedPuzzle(const std::vector<const Theme*>& themes,
                                                         const GenerateOptions& options,
                                                         std::chrono::year_month_day date,
                                                         const std::atomic<bool>& cancel);

// The puzzle of the day: the same on every copy on the same day.
std::variant<ThemedPuzzle, std::string> MakeDailyPuzzle(const std::vector<Theme>& themes,
                                                        std::chrono::year_month_day date,
                                                        const std::atomic<bool>& cancel);

// How a made puzzle is shown and kept: a day's puzzle comes headed
// "今日のパズル 動物（ふつう）", a past day's with its date instead; the name the
// records keep is "動物（ふつう）", the day beside it.
std::pair<std::u16string, std::string> HeadingAndName(std::u16string heading, bool daily,
                                                      std::chrono::year_month_day day);

// The theme "おまかせ" picks: one drawn by the seed.
const Theme& AnyTheme(const std::vector<Theme>& themes, std::uint64_t seed);
