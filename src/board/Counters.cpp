#include "board/Counters.h"

std::u16string Decimal(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

Counters DescribeCounters(const PuzzleState& puzzle) {
  return {Decimal(puzzle.PlacedCount) + puzzle.CountSuffix,
          u"NOW:" + Decimal(puzzle.Score) + puzzle.ScoreSuffix,
          u"MAX:" + Decimal(puzzle.BestScore) + puzzle.ScoreSuffix,
          puzzle.Incomplete == 1 ? kIncompleteRed : Colour{0}};
}
