#pragma once

#include "game/Game.h"

// "上書き保存...": writes the puzzle over the file it was opened from; a
// puzzle the game made, which has no file yet, is saved as Save As saves it.
void SavePuzzle(Game& game);
// "名前が付いて保存...": writes it beside the program as base name-score.tbr.
void SavePuzzleAs(Game& game);
// Tells the player the puzzle was saved, as the message mode says.
void 保存後メッセージ(Game& game);
