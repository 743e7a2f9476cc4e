#pragma once

#include "app/Game.h"

// Plays sound n if its switch is on.
void PlaySoundEffect(Game& game, int n);
