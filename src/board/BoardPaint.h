#pragma once

#include <vector>

#include "game/PuzzleState.h"
#include "game/Settings.h"

// What the board picture shows after a redraw: the grid lines and one text per
// cell, with its top-left origin and colour, all in floating-point pixels.
struct GridLine {
  double x1, y1, x2, y2;
  bool operator==(const GridLine&) const = default;
};

struct CellPaint {
  char16_t text;
  double left, top;
  Colour colour;
  bool operator==(const CellPaint&) const = default;
};

struct BoardPaint {
  std::vector<GridLine> lines;
  std::vector<CellPaint> cells;  // cells with nothing to print are left out
  bool operator==(const BoardPaint&) const = default;
};

constexpr Colour kEndMarkerRed = 0x0000FF;
constexpr Colour kEndMarkerNearWhite = 0xFDFDFD;
constexpr Colour kShownCellOrange = 0x0080FF;
constexpr Colour kProbedCellGreen = 0x00FF00;

// What cell (x, y) shows: its text under the cross style (kEmptyCell for
// nothing) and its colour, at no position. Fills the cell of CellText. Board
// must already be rebuilt.
CellPaint LookOfCell(PuzzleState& puzzle, const SettingsRecord& settings, int x, int y);
// Fills CellText from Board under the cross style and describes the board of a
// picture `width` × `height` pixels. Board must already be rebuilt.
BoardPaint PaintBoard(PuzzleState& puzzle, const SettingsRecord& settings, int width, int height);
