#include "ui/SettingsWindow.h"

#include "board/CellColours.h"
#include "ui/SettingsFile.h"

void Option1_Click(Game& game, int crossStyle) {
  game.Settings.CrossStyle = static_cast<std::int16_t>(crossStyle);
}

void Option2_Click(Game& game, int background) {
  game.Settings.Background = static_cast<std::int16_t>(background);
}

void Option4_Click(Game& game, int messageMode) {
  game.Settings.MessageMode = static_cast<std::int16_t>(messageMode);
}

int Option3_Click(Game& game, int boardFont, bool verticalFaceAvailable) {
  game.Settings.BoardFont = static_cast<std::int16_t>(boardFont);
  if (boardFont != kFontVerticalGothic || verticalFaceAvailable) return boardFont;
  game.host.ShowMessage(u"このフォントは使用できません。", u"ツブラ", 1, u"Ok", u"", u"");
  game.Settings.BoardFont = kFontGothic;
  return kFontGothic;
}

void ConfirmSettings(Game& game, const std::array<bool, 5>& soundBoxes, const std::string& path) {
  SettingsRecord& s = game.Settings;
  for (std::size_t i = 0; i < soundBoxes.size(); ++i) s.SoundSwitch[i] = soundBoxes[i] ? 1 : 0;
  s.SoundSwitch[5] = s.SoundSwitch[3];
  for (std::size_t i = 6; i <= 9; ++i) s.SoundSwitch[i] = s.SoundSwitch[4];
  if (s.BoardFont == kFontRainbow) DrawCellColours(game);
  game.host.ClearPicture();
  if (!SaveSettings(path, s)) {
    game.host.ShowMessage(u"設定を保存できませんでした。", u"ツブラ", 1, u"Ok", u"", u"");
  }
}

Colour RainbowLabelColour(Game& game) {
  return static_cast<Colour>(game.host.NextRandom() * 16777216.0);
}
