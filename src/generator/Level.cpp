#include "generator/Level.h"

#include <array>

namespace {

struct Named {
  Level level;
  std::string_view id;
  std::u16string_view caption;
};
constexpr std::array<Named, 3> kLevels{{{Level::Easy, "easy", u"かんたん"},
                                        {Level::Normal, "normal", u"ふつう"},
                                        {Level::Hard, "hard", u"むずかしい"}}};

}  // namespace

std::string_view LevelId(Level level) {
  return kLevels[static_cast<std::size_t>(level)].id;
}

std::u16string_view LevelCaption(Level level) {
  return kLevels[static_cast<std::size_t>(level)].caption;
}

std::optional<Level> LevelOfId(std::string_view id) {
  for (const Named& named : kLevels) {
    if (named.id == id) return named.level;
  }
  return std::nullopt;
}

bool Reaches(Level level, const Measure& m) {
  switch (level) {
    case Level::Easy:
      return m.best == m.total;
    case Level::Normal:
      return m.best * 100 >= m.greedy * 110;
    case Level::Hard:
      return m.best * 100 >= m.greedy * 125;
  }
  return false;
}

bool Meets(Level level, const Measure& m) {
  switch (level) {
    case Level::Easy:
      return Reaches(level, m) && m.greedy * 10 >= m.best * 9;
    case Level::Normal:
      return Reaches(level, m) && !Reaches(Level::Hard, m) && !Meets(Level::Easy, m);
    case Level::Hard:
      return Reaches(level, m);
  }
  return false;
}
