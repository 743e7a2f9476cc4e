#pragma once

#include "game/Game.h"

// Plays sound n if its switch is on.
void PlaySoundEffect(Game& game, int n);
