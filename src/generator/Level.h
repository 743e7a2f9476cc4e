#pragma once

#include <optional>
#include <string>
#include <string_view>

// How hard a generated puzzle is, by what the generator measures of it.
enum class Level { Easy, Normal, Hard };

std::string_view LevelId(Level level);          // "easy", "normal", "hard"
std::u16string_view LevelCaption(Level level);  // "かんたん", "ふつう", "むずかしい"
std::optional<Level> LevelOfId(std::string_view id);

// What the generator knows of a puzzle: the points of all its words, the best
// complete score it reached, a proven bound, and what word-by-word placement
// reaches (randomized greedy restarts, for 0.15 to 2 seconds by the board).
struct Measure {
  long long total = 0, best = 0, bound = 0, greedy = 0;
};

// The levels by how far word-by-word placement falls short of the best, which
// is what a player feels. easy: every word fits at once, and greedy restarts
// reach at least 90 % of it; normal: the best is 10 to 25 % above greedy
// restarts; hard: at least 25 % above them.
bool Meets(Level level, const Measure& measure);

// Whether the best is far enough above greedy restarts for the level, however
// far: easy, every word fits at once; normal, the best is at least 10 % above
// them; hard, at least 25 %.
bool Reaches(Level level, const Measure& measure);
