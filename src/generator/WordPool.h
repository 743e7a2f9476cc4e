#pragma once

#include <vector>

#include "generator/Generate.h"

// The words a puzzle of this size and level holds when none are asked for.
int DefaultWordCount(int size, Level level);

// The words asked for, or as many as suit the size and level.
int WordCountFor(const GenerateOptions& options);

// The words of the list a puzzle of this level may hold: up to the level's
// longest, or longer ones too when the list has fewer than `count` of those;
// each word once, however many lists hold it.
std::vector<ListedWord> PoolFor(const std::vector<ListedWord>& words, Level level, int size,
                                int count);

// The `share` of the pool whose characters fewest other words of it hold,
// rarest first: arranged densely, they mostly lie side by side, which
// word-by-word placement does not find.
std::vector<ListedWord> RarestWords(const std::vector<ListedWord>& pool, double share);

// The `share` of the pool whose characters most other words of it hold,
// commonest first: word-by-word placement crosses them readily.
std::vector<ListedWord> CommonestWords(const std::vector<ListedWord>& pool, double share);
