#pragma once

#include <vector>

// One word on the board: its first character's cell and its direction.
struct Placement {
  int word;  // index into SolverPuzzle::words
  int x, y;
  bool down;
  bool operator==(const Placement&) const = default;
};

using Arrangement = std::vector<Placement>;
