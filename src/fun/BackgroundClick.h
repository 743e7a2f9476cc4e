#pragma once

#include "fun/Stage.h"
#include "game/Game.h"

// A click on the window background: the random background gets a new colour,
// the night sky sends one or three copies of the icon flying across.
void Form_Click(Game& game, Stage& stage);

// Each sprite move is followed by a wait this long: the pace of the original
// clock, so one icon takes about one and a half seconds to cross.
constexpr int kSpriteStepMilliseconds = 14;
constexpr int kFlightFrames = 101;
constexpr int kSpriteExtent = 48;
