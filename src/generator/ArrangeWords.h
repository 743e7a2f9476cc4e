#pragma once

#include <atomic>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "generator/WordList.h"
#include "solver/Placement.h"
#include "solver/SearchControl.h"

// Words and an arrangement of all of them on a board, by their texts.
struct Arranged {
  std::vector<ListedWord> words;
  std::vector<std::pair<std::u16string, Placement>> placed;
};

// An arrangement of up to `count` words of `pool`, found by a search over all
// of them that counts each word placed as one: annealing packs words side by
// side (`dense`), large-neighbourhood search places them crossing one by one.
// The search ends once it places `count` words, raising `reached`, the stop
// flag of `budget`. A puzzle of its words proves that every one of them fits.
// Empty when even the words that can go again leave more than a puzzle holds.
Arranged ArrangeWords(const std::vector<ListedWord>& pool, int size, int count, bool dense,
                      std::uint64_t seed, Budget& budget, std::atomic<bool>& reached);

// The arrangement with words of it left out, most points first, while it stays
// complete, until all the words' points stand no more than `aim` times above
// those of the words of `kept`, which stay: points as the puzzle of the words
// left gives them. Leaving out words that word-by-word placement did not place
// brings a puzzle's best nearer to what that placement reaches.
Arranged Eased(const Arranged& arranged, int size, const std::set<std::u16string>& kept,
               double aim);
