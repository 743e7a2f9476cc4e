#pragma once

#include <cstdint>

#include "platform/SeededRandom.h"

// The one pseudo-random generator of the program: uniform in [0, 1), seeded
// once from the clock at start-up (or by a test).
class Random {
 public:
  void Seed(std::uint64_t seed) { engine_ = SeededRandom(seed); }
  void SeedFromClock();
  double Next() { return engine_.Uniform(); }

 private:
  SeededRandom engine_{0};
};
