#pragma once

#include <QFont>
#include <QImage>
#include <QStaticText>
#include <unordered_map>

#include "board/BoardPaint.h"
#include "platform/Fonts.h"

// Paints a board description into an image: the frame, the grid lines and
// each cell's character in its colour. Sizes are the window's logical pixels;
// the image has `ratio` device pixels to each of them, and lines and glyphs
// are drawn at that resolution, glyphs smoothed where the ratio is above 1.
class BoardCanvas {
 public:
  void SetFont(const BoardFace& face, int pixels);
  const BoardFace& Face() const { return face_; }
  const QFont& Font() const { return font_; }

  const QImage& Paint(const BoardPaint& paint, QSize size, qreal ratio);
  const QImage& Image() const { return image_; }

 private:
  void SetRatio(qreal ratio);
  // Each character laid out once per font and ratio, then drawn as often as needed.
  const QStaticText& Glyph(char16_t c);

  QImage image_;
  QFont font_;
  BoardFace face_;
  qreal ratio_ = 1;
  std::unordered_map<char16_t, QStaticText> glyphs_;
};

// A whole board drawn by the game's painter at `cellPixels` a cell, its
// characters in the game's gothic face, as the help and the puzzle chooser
// show one away from the main window. RebuildBoard must have run.
QImage PaintWholeBoard(PuzzleState& puzzle, int cellPixels, qreal ratio);
