#include "solver/JoiningPlace.h"

std::optional<Placement> RandomJoiningPlace(SolverBoard& board, int word, SeededRandom& random,
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
    std::swap(places[static_cast<std::size_t>(random.Below(static_cast<int>(places.size())))],
              places.back());
    const Placement p = places.back();
    places.pop_back();
    if (keepsRunsClosed(p)) return p;
  }
  return std::nullopt;
}
