#include "words/WordLabel.h"

#include <QMouseEvent>

#include "platform/Fonts.h"
#include "platform/MouseButtons.h"
#include "platform/QtColour.h"

WordLabel::WordLabel(QWidget* parent, int index) : QLabel(parent), index_(index) {
  setFont(FontAtPoints(QStringLiteral("ＭＳ ゴシック"), 12));
  SetBackgroundColour(this, kBackground);
  ::SetTextColour(this, colour_);
  hide();
}

void WordLabel::SetTextColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  ::SetTextColour(this, colour);
}

void WordLabel::mousePressEvent(QMouseEvent* event) {
  emit pressed(index_, ButtonCode(event->button()));
}

void WordLabel::mouseReleaseEvent(QMouseEvent* event) {
  emit released(index_, ButtonCode(event->button()));
}
