#pragma once

#include <optional>

#include "files/PuzzleFile.h"

// A general solver's answer for a puzzle: the game's rules as written in
// bench/asp/rules.lp, given to clingo (gringo and clasp) with the puzzle's
// words as facts.
struct ClaspAnswer {
  long long best = 0;
  bool proven = false;  // clasp proved no arrangement scores more
};

// nullopt when clingo is missing or gave no answer at all.
std::optional<ClaspAnswer> RunClasp(const PuzzleFile& file, int seconds, int threads);
