#include "board/BoardPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/MouseButtons.h"

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Pimain"));
  canvas_.SetFont(FaceByName(QStringLiteral("ＭＳ ゴシック")), FontPixels());
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
  if (face == canvas_.Face()) return;
  canvas_.SetFont(face, FontPixels());
  Invalidate();
}

void BoardPicture::SetFontPoints(double points) {
  points_ = points;
  canvas_.SetFont(canvas_.Face(), FontPixels());
  Invalidate();
}

void BoardPicture::Invalidate() {
  stale_ = true;
}

void BoardPicture::Render() {
  Draw();
  update();
}

void BoardPicture::Draw() {
  stale_ = false;
  ++renders_;
  // As many pixels as the screen shows: at a ratio of 2 each line and glyph is
  // drawn at twice the resolution, not blown up afterwards.
  canvas_.Paint(shown_, size(), devicePixelRatioF());
}

void BoardPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& image = canvas_.Image();
  if (image.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  // Moved to a screen of another density: draw again at its resolution.
  if (image.devicePixelRatio() != devicePixelRatioF()) Draw();
  painter.drawImage(0, 0, canvas_.Image());
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
