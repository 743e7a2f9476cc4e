#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "platform/Colour.h"

// The one place where &HBBGGRR colours become Qt colours.
inline QColor ToQColor(Colour c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// A widget's text colour.
inline void SetTextColour(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(colour));
  widget->setPalette(palette);
}

// A widget's filled background.
inline void SetBackgroundColour(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}
