#pragma once

#include "game/Game.h"

// Rebuilds the board from the word list and has the window paint it, with
// the counters.
void Redraw(Game& game);
