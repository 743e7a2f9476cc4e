// The levels as bands of how far greedy restarts fall short of the best: each
// measure meets exactly one level or none, and the bands order the levels.
#include <gtest/gtest.h>

#include "generator/Level.h"

namespace {

TEST(Level, EachMeasureMeetsOneBandAndTheBandsRiseFromEasyToHard) {
  struct Case {
    Measure measure;  // total, best, bound, greedy
    std::optional<Level> level;
  };
  const std::vector<Case> cases{
      {{1000, 1000, 1000, 1000}, Level::Easy},
      {{1000, 1000, 1000, 900}, Level::Easy},    // greedy restarts reach 90 %
      {{1000, 1000, 1000, 899}, Level::Normal},  // every word fits, and 11 % above them
      {{1000, 1000, 1000, 800}, Level::Hard},
      {{1000, 900, 1000, 900}, std::nullopt},   // not every word fits: no longer easy
      {{1000, 880, 1000, 800}, Level::Normal},  // 10 % above
      {{1000, 999, 1000, 800}, Level::Normal},  // just under 25 %
      {{1000, 880, 1000, 799}, Level::Normal},
      {{1000, 1000, 1000, 799}, Level::Hard},
      {{2000, 1000, 2000, 800}, Level::Hard},  // 25 % above, whether every word fits or not
      {{2000, 1000, 2000, 910}, std::nullopt},
  };
  for (const Case& c : cases) {
    for (Level level : {Level::Easy, Level::Normal, Level::Hard}) {
      EXPECT_EQ(Meets(level, c.measure), c.level == level)
          << LevelId(level) << " best " << c.measure.best << " greedy " << c.measure.greedy;
    }
  }
  // Reaching a level is its lower edge alone: a puzzle far above greedy
  // restarts reaches normal too, though it meets hard.
  EXPECT_TRUE(Reaches(Level::Normal, {2000, 1500, 2000, 800}));
  EXPECT_FALSE(Meets(Level::Normal, {2000, 1500, 2000, 800}));
  EXPECT_FALSE(Reaches(Level::Normal, {1000, 1000, 1000, 950}));
  EXPECT_TRUE(Reaches(Level::Easy, {1000, 1000, 1000, 500}));
}

TEST(Level, NamesAndCaptionsGoBothWays) {
  for (Level level : {Level::Easy, Level::Normal, Level::Hard})
    EXPECT_EQ(LevelOfId(LevelId(level)), level);
  EXPECT_EQ(LevelCaption(Level::Hard), u"むずかしい");
  EXPECT_EQ(LevelOfId("medium"), std::nullopt);
}

}  // namespace
