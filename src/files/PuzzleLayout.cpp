#include "files/PuzzleLayout.h"

#include <algorithm>
#include <cmath>

#include "board/Counters.h"

namespace {

constexpr int kPanelLeft = 272;
constexpr int kPanelTop = 8;
constexpr int kLabelPitch = 16;  // labels are 17 high: neighbours overlap by one pixel

}  // namespace

PuzzleLayout LayOutPuzzle(const PuzzleState& puzzle) {
  PuzzleLayout layout;
  const int count = puzzle.WordCount;
  const int pointsDigits = static_cast<int>(Decimal(puzzle.Word(1).Points).size());
  if (count > 0) {
    const int columns = (count - 1) / 30 + 1;
    const int rows = static_cast<int>(std::floor(static_cast<double>(count) / columns + 0.5));
    const int laWidth = puzzle.MaxWordLength * 16 + 7;
    const int la2Width = 8 * pointsDigits + 5;
    const int columnPitch = (laWidth - 1) + (la2Width - 1);
    for (int t = 0; t < count; ++t) {
      const int left = kPanelLeft + columnPitch * (t / rows);
      const int top = kPanelTop + kLabelPitch * (t % rows);
      layout.La.push_back({left, top, laWidth});
      layout.La2.push_back({left + laWidth - 1, top, la2Width});
    }
    layout.windowWidthTwips = 150 + 4150 + 16 * ((count - 1) / rows + 1) * (laWidth + la2Width);
    layout.windowHeightTwips = 8080;
  }
  layout.lg1Width = (2 * static_cast<int>(puzzle.CountSuffix.size()) + 2) * 15 + 25;
  layout.lg2Width =
      std::min(260, 15 * (pointsDigits + 2 * static_cast<int>(puzzle.ScoreSuffix.size()) + 6) + 10);
  layout.lg3Width = layout.lg2Width;
  layout.boardFontPoints = (30 - puzzle.BoardSize) * kTwipsPerPixel / 20.0;
  return layout;
}
