#pragma once

#include "board/PuzzleState.h"

// Decides whether the board is complete and leaves 1 (incomplete) or 0 in
// Incomplete. Complete: all letters form one group through their four
// neighbours, and every run of two or more letters is closed by end markers.
void BCheck(PuzzleState& puzzle);
