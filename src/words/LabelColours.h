#pragma once

#include "game/PuzzleState.h"

// Every word's labels as the panel leaves them between the player's actions:
// placed words white, the others black, the word selected for placing light
// blue.
void ShowRestingColours(PuzzleState& puzzle);
