#pragma once

#include <optional>
#include <vector>

#include "platform/SeededRandom.h"
#include "solver/Placement.h"
#include "solver/SolverBoard.h"

// A place where the word crosses or touches the words on a board of one group,
// so that it stays one group, with every run still closed: any one such place
// at random; none when there is none. `places` is room to work in, kept by the
// caller so that it is not made anew for every word.
std::optional<Placement> RandomJoiningPlace(SolverBoard& board, int word, SeededRandom& random,
                                            std::vector<Placement>& places);
