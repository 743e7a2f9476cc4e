#include "solver/JoiningPlace.h"

std::optional<Placement> RandomJoiningPlace(SolverBoard& board, int word, std::mt19937_64& random,
                                            std::vector<Placement>& places) {
  places.clear();
  board.ForEachJoiningPlace(word, [&](const Placement& p) { places.push_back(p); });
  // Drawn one by one, the first that leaves every run closed.
  const bool closedBefore = !places.empty() && board.RunsClosed();
  auto keepsRunsClosed = [&](const Placement& p) {
    if (closedBefore) return board.KeepsRunsClosed(p);
    board.Place(p);
    const bool closed = board.RunsClosed();
    board.Remove(p);
    return closed;
  };
  while (!places.empty()) {
    std::swap(places[std::uniform_int_distribution<std::size_t>(0, places.size() - 1)(random)],
              places.back());
    const Placement p = places.back();
    places.pop_back();
    if (keepsRunsClosed(p)) return p;
  }
  return std::nullopt;
}
