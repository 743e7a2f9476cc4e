#pragma once

#include <array>
#include <string>

#include "platform/WaveOutput.h"
#include "ui/Settings.h"

// The game's short sounds: loaded once at start-up from the data folder and
// each played only while its switch is on.
class SoundEffects {
 public:
  SoundEffects(const SettingsRecord& settings, WaveOutput& output)
      : settings_(settings), output_(output) {}

  // Loads sound0, 1, 2, 3, 5 and 9; a missing file is created empty. A clip is
  // the whole file followed by one zero byte.
  void LoadSoundClips(const std::string& dataFolder);
  void PlaySoundEffect(int n);
  const Bytes& Clip(int n) const { return SoundClips[static_cast<std::size_t>(n)]; }

  static constexpr std::array<int, 6> kUsedSounds{0, 1, 2, 3, 5, 9};
  static std::string SoundPath(const std::string& dataFolder, int n);

 private:
  std::array<Bytes, 20> SoundClips;
  const SettingsRecord& settings_;
  WaveOutput& output_;
};
