#include "platform/SdlWavePlayer.h"

SdlWavePlayer::SdlWavePlayer() {
  // SDL must not take over SIGINT and SIGTERM from the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlWavePlayer::~SdlWavePlayer() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlWavePlayer::OpenFor(const SDL_AudioSpec& spec) {
  if (device_ != 0 && spec.freq == deviceSpec_.freq && spec.format == deviceSpec_.format &&
      spec.channels == deviceSpec_.channels) {
    return true;
  }
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  SDL_AudioSpec wanted = spec;
  wanted.samples = 512;  // short buffers let a new sound cut the old one quickly
  wanted.callback = nullptr;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec_, 0);
  return device_ != 0;
}

void SdlWavePlayer::Play(const Bytes& clip) {
  if (!initialised_ || clip.empty()) return;
  SDL_AudioSpec spec{};
  Uint8* pcm = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(clip.data(), static_cast<int>(clip.size()));
  if (SDL_LoadWAV_RW(source, 1, &spec, &pcm, &length) == nullptr) return;
  if (OpenFor(spec)) {
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, pcm, length);
    SDL_PauseAudioDevice(device_, 0);
  }
  SDL_FreeWAV(pcm);
}
