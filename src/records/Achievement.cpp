#include "records/Achievement.h"

#include "board/Counters.h"
#include "game/Game.h"
#include "platform/Utf8.h"

namespace {

std::u16string Points(long long points) {
  return Decimal(points) + u"点";
}

}  // namespace

std::u16string Stars(const PuzzleRecord& record) {
  if (!record.Reached()) return u"";
  return record.proven ? u"★★" : u"★";
}

std::u16string TargetLine(const PuzzleRecord& record) {
  std::u16string line;
  if (record.target) line = u"目標 " + Points(*record.target);
  if (record.best) {
    if (!line.empty()) line += u"　";
    line += record.target && *record.best == *record.target ? u"自己ベスト = 目標"
                                                            : u"自己ベスト " + Points(*record.best);
  }
  if (const std::u16string stars = Stars(record); !stars.empty()) line += u" " + stars;
  return line;
}

std::optional<Celebration> CelebrationOf(const PuzzleRecord& before, long long score) {
  if (!before.target || (before.best && score <= *before.best)) return std::nullopt;
  if (score > *before.target) return Celebration{Celebration::Kind::Beaten, score};
  if (score < *before.target || before.Reached()) return std::nullopt;
  return Celebration{before.proven ? Celebration::Kind::Highest : Celebration::Kind::Reached,
                     score};
}

void TakeNewBest(PuzzleRecord& record, long long score) {
  if (record.target && score > *record.target) {
    record.target = score;
    record.proven = false;
  }
  record.best = score;
}

std::u16string CelebrationMessage(const Celebration& celebration) {
  switch (celebration.kind) {
    case Celebration::Kind::Reached:
      return u"目標達成！\n" + Points(celebration.score);
    case Celebration::Kind::Highest:
      return u"最高点です！\n" + Points(celebration.score);
    case Celebration::Kind::Beaten:
      break;
  }
  return u"目標を超えました！\n新しい目標 " + Points(celebration.score);
}

void TellCelebration(Game& game, const Celebration& celebration) {
  if (game.Settings.MessageMode == kMessageNone) return;
  game.host.ShowMessage(CelebrationMessage(celebration), u"ツブラ", 1, u"Ok", u"", u"");
}

std::u16string DailyResult(const std::string& date, const PuzzleRecord& record, int streak) {
  std::u16string result = u"ツブラ " + Utf8ToUtf16(date).value_or(u"") + u" " +
                          Utf8ToUtf16(record.name).value_or(u"") + u" " +
                          Points(record.best.value_or(0));
  if (record.target) result += u"／目標 " + Points(*record.target);
  if (const std::u16string stars = Stars(record); !stars.empty()) result += u" " + stars;
  return result + u" 連続 " + Decimal(streak) + u"日";
}
