#pragma once

#include <string>

#include "records/PuzzleRecord.h"

struct Game;

// What reaching a target earns, in the game's words.

// "★" when the player's best reached the target, "★★" when that target is
// the highest possible; "" before.
std::u16string Stars(const PuzzleRecord& record);

// The line under the board: "目標 2130点　自己ベスト 1980点", with the stars
// once reached; "" when nothing is known to show.
std::u16string TargetLine(const PuzzleRecord& record);

// A new best complete score that reached the target for the first time, or
// beat the best known.
struct Celebration {
  enum class Kind { Reached, Highest, Beaten } kind;
  long long score;
};
std::u16string CelebrationMessage(const Celebration& celebration);
// Says it in the game's message dialog; in message mode なし only the target
// line tells.
void TellCelebration(Game& game, const Celebration& celebration);

// What a complete board of `score` earns when the record stood as it does;
// nullopt when it is no new best or reaches no target.
std::optional<Celebration> CelebrationOf(const PuzzleRecord& before, long long score);

// Takes a new best complete score into the record: a score above the target
// becomes the new target, which is then no longer proven the highest.
void TakeNewBest(PuzzleRecord& record, long long score);

// "ツブラ 2026-12-09 スポーツ（ふつう） 2130点／目標 2130点 ★ 連続 3日": a day's
// result to share.
std::u16string DailyResult(const std::string& date, const PuzzleRecord& record, int streak);
