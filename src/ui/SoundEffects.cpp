#include "ui/SoundEffects.h"

std::string SoundEffects::SoundPath(const std::string& dataFolder, int n) {
  return dataFolder + "/sound" + std::to_string(n) + ".wav";
}

void SoundEffects::LoadSoundClips(const std::string& dataFolder) {
  for (int n : kUsedSounds) {
    Bytes clip = ReadBytesCreating(SoundPath(dataFolder, n)).value_or(Bytes{});
    clip.push_back(0);
    SoundClips[static_cast<std::size_t>(n)] = std::move(clip);
  }
}

void SoundEffects::PlayClip(int n) {
  if (n >= 0 && n < static_cast<int>(SoundClips.size())) output_.Play(Clip(n));
}
