#pragma once

#include <array>
#include <cstdint>

// The player's preferences, stored in Data/Data.dat.
struct SettingsRecord {
  std::int16_t CrossStyle = 0;   // how end markers are drawn: 0 "×" … 4 blank
  std::int16_t Background = 0;   // 0 green, 1 purple, 2 random, 3 night sky
  std::int16_t BoardFont = 0;    // 0 gothic, 1 mincho, 2 vertical gothic, 3 rainbow
  std::int16_t MessageMode = 0;  // 0 standard, 1 none, 2 nagging, 3 standard plus jokes
  std::array<std::int16_t, 20> SoundSwitch{};  // 1 = on, anything else = off

  bool SoundOn(int n) const { return n >= 0 && n < 20 && SoundSwitch[n] == 1; }
};

enum MessageModes : std::int16_t {
  kMessageStandard = 0,
  kMessageNone = 1,
  kMessageNagging = 2,
  kMessageJokes = 3,
};

enum BoardFonts : std::int16_t {
  kFontGothic = 0,
  kFontMincho = 1,
  kFontVerticalGothic = 2,
  kFontRainbow = 3,
};
