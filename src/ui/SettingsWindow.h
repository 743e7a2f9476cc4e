#pragma once

#include <array>
#include <string>

#include "game/Game.h"

// The choices of the settings window take effect in the settings at once.
void Option1_Click(Game& game, int crossStyle);
void Option2_Click(Game& game, int background);
void Option4_Click(Game& game, int messageMode);
// The vertical face is refused with a message when it cannot be used, and
// the gothic face chosen instead. Returns the font option that ends chosen.
int Option3_Click(Game& game, int boardFont, bool verticalFaceAvailable);

// "OK", after the appearance has been applied: the five sound boxes become
// the switches (the move box also governs the refusal sound, the "other" box
// switches 6 to 9), the rainbow gets new colours, the board is repainted and
// the settings are written. A failed write is told.
void ConfirmSettings(Game& game, const std::array<bool, 5>& soundBoxes, const std::string& path);

// The random text colour of the "レインボー" choice, over the full 24 bits.
Colour RainbowLabelColour(Game& game);
