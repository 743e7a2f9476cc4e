#include "ui/Appearance.h"

std::optional<Colour> ChooseBackground(const SettingsRecord& settings, Host& host) {
  switch (settings.Background) {
    case 0:
      return kBackgroundGreen;
    case 1:
      return kBackgroundPurple;
    case 2:
      return RandomColour(host.NextRandom());
    case 3:
      return kBackgroundNightSky;
    default:
      return std::nullopt;
  }
}

std::optional<std::u16string> ChooseBoardFace(const SettingsRecord& settings) {
  switch (settings.BoardFont) {
    case kFontGothic:
    case kFontRainbow:
      return kFaceGothic;
    case kFontMincho:
      return kFaceMincho;
    case kFontVerticalGothic:
      return kFaceVerticalGothic;
    default:
      return std::nullopt;
  }
}
