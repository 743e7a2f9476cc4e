#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/ScriptedHost.h"
#include "fakes/TempFolder.h"
#include "ui/SettingsFile.h"
#include "ui/SettingsWindow.h"

namespace {

class SettingsWindowLogic : public ::testing::Test {
 protected:
  ScriptedHost host;
  Game game{host};
  TempFolder folder;
  std::string path = folder.Path("Data.dat");

  std::vector<std::int16_t> StoredSwitches() {
    const SettingsRecord stored = DecodeSettings(ReadBytes(path).value_or(Bytes{}));
    return {stored.SoundSwitch.begin(), stored.SoundSwitch.begin() + 10};
  }
};

TEST_F(SettingsWindowLogic, OkOnAFreshInstallWritesFortyEightZeroBytes) {
  ConfirmSettings(game, {}, path);
  EXPECT_EQ(ReadBytes(path), Bytes(48, 0));
  EXPECT_EQ(host.clears, 1);
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(SettingsWindowLogic, TheMoveBoxAlsoGovernsTheRefusalSound) {
  ConfirmSettings(game, {false, false, false, true, false}, path);
  EXPECT_EQ(StoredSwitches(), (std::vector<std::int16_t>{0, 0, 0, 1, 0, 1, 0, 0, 0, 0}));
}

TEST_F(SettingsWindowLogic, TheOtherBoxTurnsOnSwitchesFourAndSixToNine) {
  game.Settings.SoundSwitch[12] = 7;  // carried through untouched
  ConfirmSettings(game, {false, false, false, false, true}, path);
  EXPECT_EQ(StoredSwitches(), (std::vector<std::int16_t>{0, 0, 0, 0, 1, 0, 1, 1, 1, 1}));
  EXPECT_EQ(DecodeSettings(*ReadBytes(path)).SoundSwitch[12], 7);
}

TEST_F(SettingsWindowLogic, OptionsTakeEffectAtOnce) {
  Option1_Click(game, 3);
  Option2_Click(game, 2);
  Option4_Click(game, 1);
  EXPECT_EQ(game.Settings.CrossStyle, 3);
  EXPECT_EQ(game.Settings.Background, 2);
  EXPECT_EQ(game.Settings.MessageMode, 1);
  EXPECT_FALSE(std::filesystem::exists(path)) << "nothing is written before OK";
}

TEST_F(SettingsWindowLogic, TheVerticalFaceIsRefusedWhenItCannotBeUsed) {
  EXPECT_EQ(Option3_Click(game, 2, true), 2);
  EXPECT_EQ(game.Settings.BoardFont, 2);
  EXPECT_TRUE(host.dialogs.empty());
  host.answers = {0};
  EXPECT_EQ(Option3_Click(game, 2, false), 0);
  EXPECT_EQ(game.Settings.BoardFont, 0);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"このフォントは使用できません。"});
  EXPECT_EQ(Option3_Click(game, 1, false), 1);
}

TEST_F(SettingsWindowLogic, OkDrawsNewRainbowColoursOnlyForTheRainbowFont) {
  game.Puzzle.BoardSize = 2;
  ConfirmSettings(game, {}, path);
  game.Settings.BoardFont = kFontRainbow;
  host.randoms = {0.25, 0.5, 0.75, 0.0};
  ConfirmSettings(game, {}, path);
  EXPECT_TRUE(host.randoms.empty());
  EXPECT_EQ(game.Puzzle.CellColour(1, 0), static_cast<Colour>(0.5 * 1677216));
}

TEST_F(SettingsWindowLogic, AFailedWriteIsTold) {
  host.answers = {0};
  ConfirmSettings(game, {}, folder.Path("gone/Data.dat"));
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"設定を保存できませんでした。"});
}

TEST_F(SettingsWindowLogic, TheRainbowCaptionColourUsesAllTwentyFourBits) {
  host.randoms = {0.999999};
  EXPECT_GT(RainbowLabelColour(game), 0xFFFF00u);
}

}  // namespace
