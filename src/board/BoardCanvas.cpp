#include "board/BoardCanvas.h"

#include <QPainter>

#include "platform/QtColour.h"

void BoardCanvas::SetFont(const BoardFace& face, int pixels) {
  face_ = face;
  font_ = QFont(face.family);
  font_.setPixelSize(pixels);
  SetRatio(ratio_);
}

void BoardCanvas::SetRatio(qreal ratio) {
  ratio_ = ratio;
  // On a plain screen, crisp glyphs in exactly the colour of their cell, as the
  // game has always drawn them; a dense screen has the pixels to smooth them.
  font_.setStyleStrategy(ratio > 1 ? QFont::PreferAntialias : QFont::NoAntialias);
  glyphs_.clear();
}

const QStaticText& BoardCanvas::Glyph(char16_t c) {
  auto found = glyphs_.find(c);
  if (found == glyphs_.end()) {
    QStaticText text{QString(QChar(c))};
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform::fromScale(ratio_, ratio_), font_);
    found = glyphs_.emplace(c, std::move(text)).first;
  }
  return found->second;
}

const QImage& BoardCanvas::Paint(const BoardPaint& paint, QSize size, qreal ratio) {
  if (ratio != ratio_) SetRatio(ratio);
  const QSize pixels = size * ratio;
  if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(Qt::white);
  QPainter painter(&image_);
  // A line one pixel wide covers the pixel right of and below its coordinates.
  // A wider pen is centred on them instead, so on a dense screen the lines move
  // by half a pixel to cover that same pixel, every device pixel of it.
  const qreal half = ratio > 1 ? 0.5 : 0;
  painter.translate(half, half);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
  for (const GridLine& line : paint.lines) {
    painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
  }
  painter.translate(-half, -half);
  painter.setFont(font_);
  Colour pen = 0;
  for (const CellPaint& cell : paint.cells) {
    if (cell.colour != pen) {
      pen = cell.colour;
      painter.setPen(ToQColor(pen));
    }
    const QStaticText& glyph = Glyph(cell.text);
    if (!face_.turned) {
      painter.drawStaticText(QPointF(cell.left, cell.top), glyph);
      continue;
    }
    // A vertical face printed on a line: each glyph a quarter turn to the left
    // within its own cell.
    const QSizeF extent = glyph.size();
    painter.save();
    painter.translate(cell.left + extent.width() / 2, cell.top + extent.height() / 2);
    painter.rotate(-90);
    painter.drawStaticText(QPointF(-extent.width() / 2, -extent.height() / 2), glyph);
    painter.restore();
  }
  return image_;
}

QImage PaintWholeBoard(PuzzleState& puzzle, int cellPixels, qreal ratio) {
  const int side = cellPixels * puzzle.BoardSize + 1;
  BoardCanvas canvas;
  canvas.SetFont(FaceByName(QStringLiteral("ＭＳ ゴシック")), cellPixels * 17 / 24);
  return canvas.Paint(PaintBoard(puzzle, SettingsRecord{}, side, side), QSize(side, side), ratio);
}
