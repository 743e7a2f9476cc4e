#include "board/BoardPaint.h"

namespace {

// The text an end-marker cell shows under the cross style, and its colour.
CellPaint EndMarkerLook(const PuzzleState& puzzle, std::int16_t crossStyle) {
  switch (crossStyle) {
    case 0:
      return {kEndMarker, 0, 0, kEndMarkerRed};
    case 1:
      return {u'■', 0, 0, 0};
    case 2:
      return {u'梨', 0, 0, kEndMarkerNearWhite};
    case 3: {
      // The second character of a word of the list, a different fake each puzzle.
      const int k = puzzle.FakeWordIndex;
      const bool hasSecond = PuzzleState::IsWordIndex(k) && puzzle.Word(k).Text.size() >= 2;
      return {hasSecond ? puzzle.Word(k).Text[1] : kEmptyCell, 0, 0, 0};
    }
    case 4:
      return {kIdeographicSpace, 0, 0, 0};
    default:
      return {kEndMarker, 0, 0, 0};
  }
}

}  // namespace

CellPaint LookOfCell(PuzzleState& puzzle, const SettingsRecord& settings, int x, int y) {
  CellPaint cell{puzzle.Board(x, y), 0, 0, 0};
  if (cell.text == kEndMarker) cell = EndMarkerLook(puzzle, settings.CrossStyle);
  puzzle.CellText(x, y) = cell.text;
  if (puzzle.CellMark(x, y) == kMarkShown) cell.colour = kShownCellOrange;
  if (puzzle.CellMark(x, y) == kMarkProbed) cell.colour = kProbedCellGreen;
  if (cell.text != kIdeographicSpace && settings.BoardFont == kFontRainbow) {
    cell.colour = puzzle.CellColour(x, y);
  }
  return cell;
}

BoardPaint PaintBoard(PuzzleState& puzzle, const SettingsRecord& settings, int width, int height) {
  BoardPaint paint;
  const int n = puzzle.BoardSize;
  if (n <= 0) return paint;
  const double w = width, h = height;
  const double pitch = (w - 1) / n;
  for (int i = 1; i <= n - 1; ++i) {
    paint.lines.push_back({i * pitch - 1, 0, i * pitch - 1, h});
    const double y = i * (h - 1) / n - 1;
    paint.lines.push_back({0, y, w, y});
  }
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      CellPaint cell = LookOfCell(puzzle, settings, x, y);
      cell.left = (w - 1) * x / n + 1;
      cell.top = (w - 1) * y / n + 1;
      if (cell.text != kEmptyCell && cell.text != kIdeographicSpace) paint.cells.push_back(cell);
    }
  }
  return paint;
}
