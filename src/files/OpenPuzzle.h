#pragma once

#include <string>

#include "app/Game.h"

// The "開く..." command: asks for a puzzle file, reads it and lays the window
// out for it. A file the game cannot use is refused with a message, and the
// open puzzle stays as it was.
void OpenPuzzle(Game& game);

// The file name without its folder, up to its first "." (all of it when it
// has none).
std::string BaseName(const std::string& path);
