#pragma once

#include "game/Game.h"

// Asks, as insistently as the message mode says, whether to quit, and ends
// the process on a yes. Otherwise sets cancel to 1 and returns.
void ConfirmQuit(Game& game, int& cancel);
