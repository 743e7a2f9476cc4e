#pragma once

#include <optional>
#include <string>

#include "files/PuzzleFile.h"
#include "game/Game.h"

// The "開く..." command: asks for a puzzle file, reads it and lays the window
// out for it. A file the game cannot use is refused with a message, and the
// open puzzle stays as it was.
void OpenPuzzle(Game& game);

// The questions opening asks first (in message mode しつこい); true when the
// player still wants to open a puzzle.
bool PlayerStillWantsToOpen(Game& game);

// What follows the open-file dialog: reads the chosen file and lays the window
// out for it, or notes the cancel when there is no file (nullopt).
void OpenChosenPuzzle(Game& game, const std::optional<std::string>& path);

// Puts a puzzle into play, as read from a file or made by the game: the word
// list, the window laid out for it, the counters and the check. `path` is
// the file Save writes to, empty for a puzzle that has none yet.
void PutPuzzleInPlay(Game& game, const PuzzleFile& file, const std::string& path);

// The file name without its folder, up to its first "." (all of it when it
// has none).
std::string BaseName(const std::string& path);
