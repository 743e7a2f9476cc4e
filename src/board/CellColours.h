#pragma once

#include "game/Game.h"

// Gives every cell of the board a new random colour for the rainbow font.
void DrawCellColours(Game& game);
