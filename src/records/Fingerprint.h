#pragma once

#include <string>

struct PuzzleFile;

// Sixteen hex digits that name a puzzle by its content: the board size and
// the words with their points, in any order. The placement, the suffixes and
// the file's name and layout do not count, so a renamed, moved or re-saved
// copy is the same puzzle.
std::string Fingerprint(const PuzzleFile& file);
