#pragma once

#include <string>
#include <vector>

#include "files/PuzzleFile.h"

// tsubura-puzzle solve FILE.tbr [-o OUT.tbr] [--seconds S] [--threads T] [--seed X]:
// searches the puzzle's best complete arrangement (never less than the one the
// file holds), prints "best S optimal" or "best S bound U", and writes the
// arrangement placed into OUT.tbr. Returns the exit status; 2 for arguments it
// cannot use.
int SolveCommand(const PuzzleFile& file, const std::vector<std::string>& options);
