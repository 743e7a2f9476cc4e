#pragma once

#include <optional>
#include <string>

#include "game/Host.h"
#include "game/Settings.h"
#include "platform/Colour.h"

// The background and board face the settings ask for; nullopt for a value the
// game does not know (a hand-edited file), which leaves the current one.
std::optional<Colour> ChooseBackground(const SettingsRecord& settings, Host& host);
std::optional<std::u16string> ChooseBoardFace(const SettingsRecord& settings);

constexpr Colour kBackgroundGreen = 0x008000;
constexpr Colour kBackgroundPurple = 0x800080;
constexpr Colour kBackgroundNightSky = 0x400000;

inline const std::u16string kFaceGothic = u"ＭＳ ゴシック";
inline const std::u16string kFaceMincho = u"ＭＳ 明朝";
inline const std::u16string kFaceVerticalGothic = u"@ＭＳ ゴシック";
inline const std::u16string kFaceProportionalGothic = u"ＭＳ Ｐゴシック";
