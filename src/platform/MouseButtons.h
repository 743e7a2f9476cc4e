#pragma once

#include <Qt>

// The game's button codes: 1 left, 2 right, 4 middle; 0 for any other button.
inline int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}
