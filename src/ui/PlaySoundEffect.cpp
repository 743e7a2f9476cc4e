#include "ui/PlaySoundEffect.h"

void PlaySoundEffect(Game& game, int n) {
  if (game.Settings.SoundOn(n)) game.host.PlayClip(n);
}
