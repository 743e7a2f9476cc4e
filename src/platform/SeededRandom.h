#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A pseudo-random generator (xoshiro256**) whose numbers, ranges and shuffles
// are the same on every compiler and standard library: a seed makes the same
// puzzle on the desktop and in the browser. The standard distributions and
// std::shuffle leave their algorithms to each library.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed);

  std::uint64_t Next();
  // Uniform in [0, 1), from the top 53 bits.
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform in [0, n); 0 when n is 0 or less.
  int Below(int n);

  template <class T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      std::swap(items[i - 1], items[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
    }
  }

 private:
  std::uint64_t state_[4];
};
