#pragma once

#include <chrono>

// Today as the player's clock and time zone say.
std::chrono::year_month_day LocalDate();
