#pragma once

#include <string>
#include <string_view>

#include "files/PuzzleFile.h"
#include "game/Game.h"

// What a puzzle the game made promises: the best score the game knows for
// it, and whether no arrangement scores more.
struct PuzzleTarget {
  long long best = 0;
  bool optimal = false;
};

// Puts a puzzle the game made into play as an opened file is, then tells its
// target in the message dialog. `heading` says what it is ("動物（むずかしい）");
// `name` is the base name Save As gives it.
void OpenMadePuzzle(Game& game, const PuzzleFile& file, const std::string& name,
                    std::u16string_view heading, PuzzleTarget target);
