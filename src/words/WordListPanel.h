#pragma once

#include "game/Game.h"

// Presses and releases on the word list panel. Label La(k) shows entry k's
// word and La2(k) its points; both forward here with the same index.
// Buttons: 1 left, 2 right, 4 middle.
void La_MouseDown(Game& game, int index, int button);
void La_MouseUp(Game& game, int index, int button);
