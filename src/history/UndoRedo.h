#pragma once

#include <functional>

#include "game/Game.h"

// Runs one command of the player; when it moved words, the change becomes a
// step of the history.
void RecordStep(Game& game, const std::function<void()>& command);

// Takes the last step back: the words, the selection and the counters as they
// were before it, with the take-back sound. The best score stays.
void Undo(Game& game);
// Takes the step back again. Placing a word is silent, and so is this.
void Redo(Game& game);
