#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/TempFolder.h"
#include "ui/SoundEffects.h"

namespace {

class RecordingOutput : public WaveOutput {
 public:
  std::vector<Bytes> played;
  void Play(const Bytes& clip) override { played.push_back(clip); }
};

TEST(SoundEffects, MissingSoundFilesAreCreatedEmptyAndGiveAOneZeroByteClip) {
  TempFolder folder;
  SettingsRecord settings;
  RecordingOutput output;
  SoundEffects sounds(settings, output);
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
  SettingsRecord settings;
  RecordingOutput output;
  SoundEffects sounds(settings, output);
  sounds.LoadSoundClips(folder.Path());
  EXPECT_EQ(sounds.Clip(2), (Bytes{'R', 'I', 'F', 'F', 'a', 'b', 'c', 0}));
}

TEST(SoundEffects, ASoundPlaysOnlyWhileItsSwitchIsOne) {
  TempFolder folder;
  std::ofstream(SoundEffects::SoundPath(folder.Path(), 1), std::ios::binary) << "one";
  std::ofstream(SoundEffects::SoundPath(folder.Path(), 3), std::ios::binary) << "three";
  SettingsRecord settings;
  RecordingOutput output;
  SoundEffects sounds(settings, output);
  sounds.LoadSoundClips(folder.Path());

  sounds.PlaySoundEffect(1);
  EXPECT_TRUE(output.played.empty());

  settings.SoundSwitch[1] = 1;
  settings.SoundSwitch[3] = 2;  // hand-edited: not on
  sounds.PlaySoundEffect(1);
  sounds.PlaySoundEffect(3);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0], (Bytes{'o', 'n', 'e', 0}));
}

}  // namespace
