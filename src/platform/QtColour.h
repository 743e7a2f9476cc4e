#pragma once

#include <QColor>

#include "platform/Colour.h"

// The one place where &HBBGGRR colours become Qt colours.
inline QColor ToQColor(Colour c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
