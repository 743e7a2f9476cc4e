#pragma once

#include "game/Game.h"

// Moves the whole arrangement one cell: 0 left, 1 right, 2 up, 3 down. The
// move is refused when the edge row or column it would push off holds a
// character (an end marker there does not count).
void Co_Click(Game& game, int direction);
