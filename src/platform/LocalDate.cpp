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
  const std::tm local = LocalNow();
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
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
