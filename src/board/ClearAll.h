#pragma once

#include "game/Game.h"

// Takes every word off the board after the confirmations of the message mode.
// The best score stays.
void Coc_Click(Game& game);
