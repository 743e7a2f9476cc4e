#pragma once

#include "platform/Colour.h"

// The main window as the background tricks see it: its colour, its inner
// size, and the three sprites that carry the program's icon.
class Stage {
 public:
  virtual ~Stage() = default;
  virtual void SetBackground(Colour colour) = 0;
  virtual int InnerWidth() const = 0;
  virtual int InnerHeight() const = 0;
  virtual bool SpriteVisible(int i) const = 0;
  virtual void ShowSprite(int i, bool visible) = 0;
  virtual void MoveSprite(int i, int left, int top) = 0;
};
