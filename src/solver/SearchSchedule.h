#pragma once

#include <cstddef>
#include <vector>

// The order in which the solver's first thread gives its time to the
// searches: rounds of short turns, each round a little longer than the one
// before. The quick local searches come first in every round, so a board
// stands within a fraction of a second, and the slower searches (the proof,
// the SAT search) take their share in turns of their own. The schedule never
// looks at the whole budget: a long search is, at any moment, where a short
// one would be.
class SearchSchedule {
 public:
  enum class Search { Annealing, Neighbourhoods, Exact, Sat };
  struct Turn {
    Search search;
    double seconds;
  };
  struct Puzzle {
    bool alone;        // no other thread anneals beside this one
    bool worthAProof;  // small enough for the exact search to take the most
    bool searchesExactly;
    bool fitsSat;
  };

  explicit SearchSchedule(const Puzzle& puzzle);
  Turn Next();

 private:
  std::vector<Turn> round_;
  std::size_t next_ = 0;
  double scale_ = 1;
};
