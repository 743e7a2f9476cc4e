#include "solver/JoiningPlace.h"

std::optional<Placement> RandomJoiningPlace(SolverBoard& board, int word, std::mt19937_64& random,
                                            std::vector<Placement>& places) {
  places.clear();
  board.ForEachTouchingPlace(word, [&](const Placement& p) {
    if (board.CanPlace(p)) places.push_back(p);
  });
  // Drawn one by one, the first that leaves every run closed.
  while (!places.empty()) {
    std::swap(places[std::uniform_int_distribution<std::size_t>(0, places.size() - 1)(random)],
              places.back());
    const Placement p = places.back();
    places.pop_back();
    board.Place(p);
    const bool closed = board.RunsClosed();
    board.Remove(p);
    if (closed) return p;
  }
  return std::nullopt;
}
