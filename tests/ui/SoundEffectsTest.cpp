#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/ScriptedHost.h"
#include "fakes/TempFolder.h"
#include "ui/PlaySoundEffect.h"
#include "ui/SoundEffects.h"

namespace {

class RecordingOutput : public WaveOutput {
 public:
  std::vector<Bytes> played;
  void Play(const Bytes& clip) override { played.push_back(clip); }
};

TEST(SoundEffects, MissingSoundFilesAreCreatedEmptyAndGiveAOneZeroByteClip) {
  TempFolder folder;
  RecordingOutput output;
  SoundEffects sounds(output);
  sounds.LoadSoundClips(folder.Path());
  for (int n : {0, 1, 2, 3, 5, 9}) {
    const std::string path = SoundEffects::SoundPath(folder.Path(), n);
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(sounds.Clip(n), Bytes{0});
  }
  for (int n : {4, 6, 7, 8}) {
    EXPECT_FALSE(std::filesystem::exists(SoundEffects::SoundPath(folder.Path(), n)));
    EXPECT_TRUE(sounds.Clip(n).empty());
  }
}

TEST(SoundEffects, AClipIsTheWholeFileFollowedByOneZeroByte) {
  TempFolder folder;
  std::ofstream(SoundEffects::SoundPath(folder.Path(), 2), std::ios::binary) << "RIFFabc";
  RecordingOutput output;
  SoundEffects sounds(output);
  sounds.LoadSoundClips(folder.Path());
  EXPECT_EQ(sounds.Clip(2), (Bytes{'R', 'I', 'F', 'F', 'a', 'b', 'c', 0}));
}

TEST(SoundEffects, PlayingAClipHandsTheWholeClipToTheOutput) {
  TempFolder folder;
  std::ofstream(SoundEffects::SoundPath(folder.Path(), 1), std::ios::binary) << "one";
  RecordingOutput output;
  SoundEffects sounds(output);
  sounds.LoadSoundClips(folder.Path());
  sounds.PlayClip(1);
  sounds.PlayClip(20);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0], (Bytes{'o', 'n', 'e', 0}));
}

TEST(PlaySoundEffect, ASoundPlaysOnlyWhileItsSwitchIsOne) {
  ScriptedHost host;
  Game game(host);
  PlaySoundEffect(game, 1);
  EXPECT_TRUE(host.sounds.empty());
  game.Settings.SoundSwitch[1] = 1;
  game.Settings.SoundSwitch[3] = 2;  // hand-edited: not on
  PlaySoundEffect(game, 1);
  PlaySoundEffect(game, 3);
  EXPECT_EQ(host.sounds, std::vector<int>{1});
}

}  // namespace
