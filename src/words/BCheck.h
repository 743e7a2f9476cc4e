#pragma once

#include "game/PuzzleState.h"

// Decides whether the board is complete and leaves 1 (incomplete) or 0 in
// Incomplete. Complete: all letters form one group through their four
// neighbours, and every run of two or more letters is closed by end markers.
void BCheck(PuzzleState& puzzle);

// After a word is placed or taken back: checks the board, and a complete
// board with a higher score than ever raises the best score.
void CheckAndRaiseBestScore(PuzzleState& puzzle);
