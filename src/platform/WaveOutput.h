#pragma once

#include "platform/ByteFile.h"

// Plays a wave image held in memory without waiting for it; a new sound cuts
// off the one playing. A clip that is not a valid wave image is silent.
class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  virtual void Play(const Bytes& clip) = 0;
};
