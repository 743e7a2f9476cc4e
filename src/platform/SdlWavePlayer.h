#pragma once

#include <SDL2/SDL.h>

#include "platform/WaveOutput.h"

// Plays clips through SDL's audio queue. Without a sound device, or with a
// clip that is not a wave image, it stays silent.
class SdlWavePlayer : public WaveOutput {
 public:
  SdlWavePlayer();
  ~SdlWavePlayer() override;
  SdlWavePlayer(const SdlWavePlayer&) = delete;
  SdlWavePlayer& operator=(const SdlWavePlayer&) = delete;

  void Play(const Bytes& clip) override;

 private:
  bool OpenFor(const SDL_AudioSpec& spec);

  bool initialised_ = false;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec deviceSpec_{};
};
