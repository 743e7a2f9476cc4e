#pragma once

#include <array>
#include <string>

#include "platform/WaveOutput.h"

// The game's short sounds, loaded once at start-up from the data folder.
class SoundEffects {
 public:
  explicit SoundEffects(WaveOutput& output) : output_(output) {}

  // Loads sound0, 1, 2, 3, 5 and 9; a missing file is created empty. A clip is
  // the whole file followed by one zero byte.
  void LoadSoundClips(const std::string& dataFolder);
  void PlayClip(int n);
  const Bytes& Clip(int n) const { return SoundClips[static_cast<std::size_t>(n)]; }

  static constexpr std::array<int, 6> kUsedSounds{0, 1, 2, 3, 5, 9};
  static std::string SoundPath(const std::string& dataFolder, int n);

 private:
  std::array<Bytes, 20> SoundClips;
  WaveOutput& output_;
};
