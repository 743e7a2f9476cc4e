#include "platform/SeededRandom.h"

namespace {

std::uint64_t RotateLeft(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

// SplitMix64: spreads one seed over the four words of the state, so that
// neighbouring seeds start far apart.
std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
  for (std::uint64_t& word : state_) word = SplitMix(seed);
}

std::uint64_t SeededRandom::Next() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

int SeededRandom::Below(int n) {
  if (n <= 0) return 0;
  const auto range = static_cast<std::uint64_t>(n);
  // Draws below the largest multiple of the range keep every value equally likely.
  const std::uint64_t skip = (0 - range) % range;
  for (;;) {
    const std::uint64_t x = Next();
    if (x >= skip) return static_cast<int>(x % range);
  }
}
