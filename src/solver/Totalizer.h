#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "solver/SatSolver.h"

// A count of weighted literals as clauses: a tree of counters (a generalized
// totalizer), each with a variable for every sum its true literals' weights
// can reach, implied once they reach it. Sums from `cap` on are one sum, so
// that a count that only ever needs to tell sums below the cap apart stays
// small.
namespace Totalizer {

// Sums and their variables, smallest first.
using Sums = std::vector<std::pair<long long, int>>;

// The root's sums for the (weight, literal) pairs; a sum's variable implies
// every smaller sum's. nullopt when the counters would hold more than
// `maxLiterals` literals (nothing is added then but unused variables).
std::optional<Sums> Count(SatSolver& sat, const std::vector<std::pair<long long, int>>& weighted,
                          long long cap, std::uint64_t maxLiterals);

}  // namespace Totalizer
