#pragma once

#include <QColor>

#include "platform/Colour.h"

// The one place where &HBBGGRR colours become Qt colours and back.
inline QColor ToQColor(Colour c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Colour FromQColor(const QColor& c) {
  return Bgr(c.blue(), c.green(), c.red());
}
