#pragma once

#include <vector>

#include "files/PuzzleFile.h"
#include "generator/WordList.h"

// The puzzle file of these words on a board of `size`, no word placed, with
// their points by the points rule. The words whose points take most digits
// come first (the game sizes every points label by the first word's), then the
// shortest, in the order of their characters, so that a player finds a word
// quickly.
PuzzleFile PuzzleOfWords(const std::vector<ListedWord>& words, int size);
