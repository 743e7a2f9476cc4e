#pragma once

#include <optional>
#include <vector>

#include "game/PuzzleState.h"

// Where an opened puzzle puts the main window's parts: the word labels in
// columns of at most 30 to the right of the board, the counters' widths, the
// board font size and the window's size.
struct LabelPlace {
  int left, top, width;
  bool operator==(const LabelPlace&) const = default;
};

struct PuzzleLayout {
  std::vector<LabelPlace> La, La2;                         // entries 1 … WordCount, from index 0
  std::optional<int> windowWidthTwips, windowHeightTwips;  // none for an empty list
  int lg1Width = 0, lg2Width = 0, lg3Width = 0;
  double boardFontPoints = 0;
};

PuzzleLayout LayOutPuzzle(const PuzzleState& puzzle);

// The window's outer size is given in twips, 1/1440 inch: 15 to a pixel at
// 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
