#pragma once

#include "game/Game.h"

// The arrow keys move the selection through the word list; they act only while
// a word is selected and never place, remove or show one.
enum class ArrowKey { Up, Down, Left, Right };

void RunArrowKeyCommand(Game& game, ArrowKey key);

// Selects entry i as the word to place, with the selection sound and an 80 ms
// wait that sets the repeat rate of a held key.
void SelectWordByKey(Game& game, int i);
