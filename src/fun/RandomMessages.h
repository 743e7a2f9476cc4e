#pragma once

#include "game/Game.h"

// One of nineteen small entertainments, drawn at random: quizzes, fortunes,
// hints at hidden tricks, a personality test and a mock level-up.
void ShowRandomMessage(Game& game);

// Whether a placement, about to be carried out, is interrupted by one: one in
// five on average, in the talkative message mode only. The draw is made in
// every mode, so the generator runs the same whatever the mode.
bool DrawRandomMessageChance(Game& game);
