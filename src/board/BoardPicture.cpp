#include "board/BoardPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

#include "platform/MouseButtons.h"
#include "platform/QtColour.h"

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Pimain"));
  face_ = FaceByName(QStringLiteral("ＭＳ ゴシック"));
  SetFontPoints(points_);
}

void BoardPicture::Show(const BoardPaint& paint) {
  if (!stale_ && paint == shown_) return;
  shown_ = paint;
  Render();
}

void BoardPicture::Clear() {
  Invalidate();
}

void BoardPicture::SetFace(const BoardFace& face) {
  if (face == face_) return;
  face_ = face;
  SetFontPoints(points_);
}

void BoardPicture::SetFontPoints(double points) {
  points_ = points;
  font_ = QFont(face_.family);
  font_.setPixelSize(std::max(kMinimumTextPixels, PointsToPixels(points)));
  // Crisp glyphs in exactly the colour of their cell, as the game has always drawn them.
  font_.setStyleStrategy(QFont::NoAntialias);
  glyphs_.clear();
  Invalidate();
}

void BoardPicture::Invalidate() {
  stale_ = true;
}

const QStaticText& BoardPicture::Glyph(char16_t c) {
  auto found = glyphs_.find(c);
  if (found == glyphs_.end()) {
    QStaticText text{QString(QChar(c))};
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform(), font_);
    found = glyphs_.emplace(c, std::move(text)).first;
  }
  return found->second;
}

void BoardPicture::Render() {
  stale_ = false;
  ++renders_;
  if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(Qt::white);
  QPainter painter(&image_);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, width() - 1, height() - 1);
  for (const GridLine& line : shown_.lines) {
    painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
  }
  painter.setFont(font_);
  Colour pen = 0;
  for (const CellPaint& cell : shown_.cells) {
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
    const QSizeF size = glyph.size();
    painter.save();
    painter.translate(cell.left + size.width() / 2, cell.top + size.height() / 2);
    painter.rotate(-90);
    painter.drawStaticText(QPointF(-size.width() / 2, -size.height() / 2), glyph);
    painter.restore();
  }
  update();
}

void BoardPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(0, 0, image_);
}

void BoardPicture::resizeEvent(QResizeEvent*) {
  Invalidate();
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
  emit pressed(ButtonCode(event->button()), event->position().x(), event->position().y());
}

void BoardPicture::mouseReleaseEvent(QMouseEvent* event) {
  emit released(ButtonCode(event->button()), event->position().x(), event->position().y());
}
