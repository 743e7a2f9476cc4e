// The game against broken data folders, settings and sound files: it starts,
// keeps what the player had, and says so when it cannot.
#include <QLabel>
#include <filesystem>
#include <fstream>

#include "board/BoardPicture.h"
#include "fakes/WriteLimit.h"
#include "ui/SettingsFile.h"
#include "widgets/GameFixture.h"

namespace {

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

struct StartedGame {
  explicit StartedGame(const TempFolder& folder)
      : app(QString::fromStdString(folder.Path()), output) {
    app.StartUp();
    app.RunPass();
  }
  RecordingOutput output;
  GameApp app;
};

TEST(FailureInjection, SettingsFilesOfAnyLengthStartTheGame) {
  for (std::size_t length : {0u, 8u, 47u, 48u, 1000u}) {
    SCOPED_TRACE(length);
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("Data"));
    Bytes bytes(length, 0);
    // Every field 1: purple background, mincho, and so on.
    for (std::size_t i = 0; i < length; i += 2) bytes[i] = 1;
    WriteBytes(folder.Path("Data/Data.dat"), bytes);
    StartedGame game(folder);
    const SettingsRecord& s = game.app.State().Settings;
    EXPECT_EQ(s.Background, length >= 4 ? 1 : 0);
    EXPECT_EQ(game.app.Window().Background(), length >= 4 ? 0x800080u : 0x008000u);
    EXPECT_EQ(s.SoundOn(19), length >= 47);
    EXPECT_EQ(std::filesystem::file_size(folder.Path("Data/Data.dat")), length)
        << "reading writes nothing";
  }
}

TEST(FailureInjection, OutOfRangeSettingsLeaveTheDesignAndAreKept) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("Data"));
  SettingsRecord odd;
  odd.CrossStyle = 9;
  odd.Background = -3;
  odd.BoardFont = 77;
  odd.MessageMode = 12;
  WriteBytes(folder.Path("Data/Data.dat"), EncodeSettings(odd));
  StartedGame game(folder);
  EXPECT_EQ(game.app.Window().Background(), 0x400000u) << "the window's own night sky stays";
  EXPECT_EQ(game.app.Window().Pimain->BoardFont().family(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(game.app.State().Settings.BoardFont, 77);
}

TEST(FailureInjection, BrokenSoundFilesAreLoadedAndHandedOnWithoutACrash) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("Data"));
  WriteBytes(folder.Path("Data/sound0.wav"), {'R', 'I', 'F', 'F', 0x10, 0, 0, 0, 'W', 'A'});
  WriteBytes(folder.Path("Data/sound1.wav"), Bytes(300, 0xAB));
  SettingsRecord on;
  on.SoundSwitch.fill(1);
  WriteBytes(folder.Path("Data/Data.dat"), EncodeSettings(on));
  StartedGame game(folder);
  for (int n : {0, 1, 2}) game.app.PlayClip(n);
  ASSERT_EQ(game.output.played.size(), 3u);
  EXPECT_EQ(game.output.played[2], Bytes{0}) << "a missing file gives one zero byte";
}

TEST(FailureInjection, ASettingsFileThatCannotBeReplacedKeepsItsOldContent) {
  TempFolder folder;
  const std::string path = folder.Path("Data.dat");
  SettingsRecord before;
  before.MessageMode = 2;
  Bytes old = EncodeSettings(before);
  old.resize(1000, 0x5A);
  WriteBytes(path, old);
  const bool saved = [&] {
    const WriteLimit full(100);  // the disk is full after 100 bytes
    return SaveSettings(path, SettingsRecord{});
  }();
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadBytes(path), old);
}

}  // namespace
