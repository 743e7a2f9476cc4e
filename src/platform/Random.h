#pragma once

#include <cstdint>
#include <random>

// The one pseudo-random generator of the program: uniform in [0, 1), seeded
// once from the clock at start-up (or by a test).
class Random {
 public:
  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  void SeedFromClock();
  double Next() { return std::generate_canonical<double, 53>(engine_); }

 private:
  std::mt19937_64 engine_{0};
};
