#include "solver/GreedyRestarts.h"

#include <algorithm>

#include "solver/JoiningPlace.h"

void RunGreedyRestarts(const SolverPuzzle& puzzle, std::uint64_t seed, Incumbent& incumbent,
                       Budget& budget) {
  const int n = puzzle.size;
  const int words = static_cast<int>(puzzle.words.size());
  if (n <= 0 || words == 0) return;
  std::vector<std::u16string> texts;
  for (const SolverWord& w : puzzle.words) texts.push_back(w.text);
  SeededRandom random(seed);
  std::vector<Placement> cells;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      for (bool down : {false, true}) cells.push_back({0, x, y, down});

  // A word's own work beside the board's: keeping its places, drawing one.
  constexpr std::uint64_t kWordWork = 16;
  SolverBoard board(n, texts);
  Arrangement placed;
  // Each restart counts its own work, so that one whose words all fit at once
  // still spends the budget.
  while (budget.Spend(1 + placed.size() + board.TakeWork())) {
    for (const Placement& p : placed) board.Remove(p);
    placed.clear();
    std::vector<bool> used(static_cast<std::size_t>(words), false);
    long long score = 0;
    // A random first word at a random place where it fits.
    const int first = random.Below(words);
    random.Shuffle(cells);
    for (Placement p : cells) {
      p.word = first;
      if (board.CanPlace(p)) {
        board.Place(p);
        placed.push_back(p);
        used[static_cast<std::size_t>(first)] = true;
        score += puzzle.words[static_cast<std::size_t>(first)].points;
        break;
      }
    }
    // Words come highest points first; equal points in a random order.
    std::vector<int> order(static_cast<std::size_t>(words));
    for (int w = 0; w < words; ++w) order[static_cast<std::size_t>(w)] = w;
    random.Shuffle(order);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return puzzle.words[static_cast<std::size_t>(a)].points >
             puzzle.words[static_cast<std::size_t>(b)].points;
    });
    std::vector<Placement> places;
    for (bool added = true; added && !budget.Spent();) {
      added = false;
      for (int w : order) {
        if (used[static_cast<std::size_t>(w)]) continue;
        if (!budget.Spend(kWordWork + board.TakeWork())) break;
        if (const auto p = RandomJoiningPlace(board, w, random, places)) {
          board.Place(*p);
          placed.push_back(*p);
          used[static_cast<std::size_t>(w)] = true;
          score += puzzle.words[static_cast<std::size_t>(w)].points;
          added = true;
          break;
        }
      }
    }
    if (board.Complete()) incumbent.Offer(placed, score);
  }
}
