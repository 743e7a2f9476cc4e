#include "platform/LocalDate.h"

#include <cstdio>
#include <ctime>

namespace {

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

std::chrono::year_month_day LocalDate() {
  const std::tm local = LocalNow();
  return {std::chrono::year(local.tm_year + 1900),
          std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
          std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

std::string LocalTimestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  char text[40];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(milliseconds));
  return text;
}

std::optional<std::chrono::year_month_day> ParseDate(const std::string& text) {
  int year = 0;
  unsigned month = 0, day = 0;
  char end = 0;
  if (text.size() != 10 ||
      std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &end) != 3)
    return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                         std::chrono::day(day)};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string DateText(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}
