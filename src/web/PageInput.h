#pragma once

#include "game/Game.h"

// A press on board cell (column, row), from 0, as the desktop's press in the
// middle of that cell: button 1 places the selected word across, 2 down.
// Recorded as a step for undo, as a click is.
void PressBoardCell(Game& game, int column, int row, int button);
