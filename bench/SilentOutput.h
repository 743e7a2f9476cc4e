#pragma once

#include "platform/WaveOutput.h"

// The game's sounds, unplayed: benchmarks measure the game, not the speaker.
class SilentOutput : public WaveOutput {
 public:
  void Play(const Bytes&) override {}
};
