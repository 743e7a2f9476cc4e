#pragma once

#include <string>

#include "game/PuzzleState.h"

// The captions of the three counters under the board: placed words, "NOW:"
// (red while the board is incomplete) and "MAX:".
struct Counters {
  std::u16string Lg1, Lg2, Lg3;
  Colour Lg2Colour;
};

constexpr Colour kIncompleteRed = 0x0000FF;

Counters DescribeCounters(const PuzzleState& puzzle);

std::u16string Decimal(long long value);
