#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "fakes/TempFolder.h"
#include "platform/SdlWavePlayer.h"

namespace {

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A mono 16-bit wave image of a recognisable pattern.
Bytes WaveOf(const Bytes& pcm) {
  auto u32 = [](Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [](Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  Bytes w{'R', 'I', 'F', 'F'};
  u32(w, 36 + static_cast<std::uint32_t>(pcm.size()));
  w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  u32(w, 16);
  u16(w, 1);
  u16(w, 1);
  u32(w, 22050);
  u32(w, 44100);
  u16(w, 2);
  u16(w, 16);
  w.insert(w.end(), {'d', 'a', 't', 'a'});
  u32(w, static_cast<std::uint32_t>(pcm.size()));
  w.insert(w.end(), pcm.begin(), pcm.end());
  return w;
}

class SdlWavePlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
  }
  void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  TempFolder folder;
  std::string output = folder.Path("audio.raw");
};

TEST_F(SdlWavePlayerTest, AValidClipReachesTheSoundDevice) {
  Bytes pcm;
  for (int i = 0; i < 4000; ++i) pcm.push_back(static_cast<std::uint8_t>((i * 7 + 3) % 251));
  {
    SdlWavePlayer player;
    player.Play(WaveOf(pcm));
    SDL_Delay(400);
  }
  const Bytes raw = ReadFile(output);
  const Bytes probe(pcm.begin() + 1000, pcm.begin() + 1200);
  EXPECT_NE(std::search(raw.begin(), raw.end(), probe.begin(), probe.end()), raw.end());
}

TEST_F(SdlWavePlayerTest, ANewSoundCutsOffTheOnePlaying) {
  // Twenty seconds of noise: the disk driver here writes far faster than
  // real time, and noise makes every stretch of the clip recognisable.
  Bytes long_(44100 * 20, 0);
  std::uint32_t seed = 12345;
  for (auto& byte : long_)
    byte = static_cast<std::uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
  Bytes short_(2000, 0);
  for (std::size_t i = 0; i < short_.size(); ++i)
    short_[i] = static_cast<std::uint8_t>(100 + i % 13);
  {
    SdlWavePlayer player;
    player.Play(WaveOf(long_));
    SDL_Delay(150);
    player.Play(WaveOf(short_));
    SDL_Delay(300);
  }
  const Bytes raw = ReadFile(output);
  const Bytes shortProbe(short_.begin() + 500, short_.begin() + 700);
  const Bytes longTail(long_.end() - 200, long_.end());
  EXPECT_NE(std::search(raw.begin(), raw.end(), shortProbe.begin(), shortProbe.end()), raw.end());
  EXPECT_EQ(std::search(raw.begin(), raw.end(), longTail.begin(), longTail.end()), raw.end())
      << "the end of the first sound was never played";
}

TEST_F(SdlWavePlayerTest, AnEmptyOrBrokenClipIsSilent) {
  {
    SdlWavePlayer player;
    player.Play(Bytes{0});
    player.Play(Bytes{'R', 'I', 'F', 'F', 0});
    player.Play(Bytes{});
    player.Play(Bytes(500, 0xAB));  // not a wave image at all
    SDL_Delay(50);
  }
  const Bytes raw = ReadFile(output);
  EXPECT_TRUE(std::all_of(raw.begin(), raw.end(), [](std::uint8_t b) { return b == 0; }));
}

}  // namespace
