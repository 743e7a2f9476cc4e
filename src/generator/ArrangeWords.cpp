#include "generator/ArrangeWords.h"

#include <algorithm>
#include <atomic>

#include "files/PuzzleFile.h"
#include "solver/AnnealingSearch.h"
#include "solver/NeighbourhoodSearch.h"
#include "solver/SolverBoard.h"

Arranged ArrangeWords(const std::vector<ListedWord>& pool, int size, int count, bool dense,
                      std::uint64_t seed, Budget& budget) {
  SolverPuzzle counted;
  counted.size = size;
  for (const ListedWord& word : pool) counted.words.push_back({word.text, 1, 0});
  std::atomic<bool> full{false};
  Incumbent most(count, full);
  if (dense) {
    Anneal(counted, seed, most, budget);
  } else {
    SearchNeighbourhoods(counted, seed, most, budget);
  }
  Arrangement arrangement = most.Best();
  // The search may overshoot: words go again, last first, while the board
  // stays complete without them, until no more can go.
  const std::vector<std::u16string> texts = TextsOf(counted);  // the board keeps them
  SolverBoard board(size, texts);
  for (const Placement& p : arrangement) board.Place(p);
  for (bool gone = true; gone && static_cast<int>(arrangement.size()) > count;) {
    gone = false;
    for (std::size_t slot = arrangement.size();
         slot-- > 0 && static_cast<int>(arrangement.size()) > count;) {
      board.Remove(arrangement[slot]);
      if (board.Complete()) {
        arrangement.erase(arrangement.begin() + static_cast<std::ptrdiff_t>(slot));
        gone = true;
      } else {
        board.Place(arrangement[slot]);
      }
    }
  }
  // More words than a puzzle holds make no puzzle.
  if (arrangement.size() > static_cast<std::size_t>(PuzzleFile::kLongLayout)) arrangement.clear();
  Arranged arranged;
  for (const Placement& p : arrangement) {
    const ListedWord& word = pool[static_cast<std::size_t>(p.word)];
    arranged.words.push_back(word);
    arranged.placed.push_back({word.text, p});
  }
  return arranged;
}
