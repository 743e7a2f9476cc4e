#pragma once

#include <cstdint>

// A 24-bit colour written &HBBGGRR: blue in the high byte, red in the low one,
// the way the game's colours are given and compared.
using Colour = std::uint32_t;

constexpr Colour Bgr(int blue, int green, int red) {
  return static_cast<Colour>((blue << 16) | (green << 8) | red);
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// Random colours take Int(R * 1677216): the factor is one digit short of 2^24,
// so the blue byte never exceeds 25. Kept as it is: players know these colours.
constexpr double kRandomColourRange = 1677216.0;
inline Colour RandomColour(double r) {
  return static_cast<Colour>(r * kRandomColourRange);
}
