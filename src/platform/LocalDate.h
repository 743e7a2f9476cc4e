#pragma once

#include <chrono>
#include <optional>
#include <string>

// Today as the player's clock and time zone say.
std::chrono::year_month_day LocalDate();
// Now as the player's clock says, to the millisecond: "2026-12-09 20:15:03.042".
std::string LocalTimestamp();

// "2026-12-08"; nullopt for anything that is not a real day.
std::optional<std::chrono::year_month_day> ParseDate(const std::string& text);
std::string DateText(std::chrono::year_month_day date);
