#pragma once

#include <array>
#include <string_view>

// How the message dialog sizes itself to its text and captions.
struct MessageLayout {
  int buttonWidth;  // of the buttons in use; the others keep the design width
  int clientWidth;
  int clientHeight;
  std::array<double, 3> buttonLeft;  // for the buttons in use
  double buttonTop;
  int buttonHeight;
  int labelWidth;
};

constexpr int kMessageDesignButtonWidth = 89;
constexpr int kMessageWideButtonWidth = 160;
constexpr int kMessageClientHeight = 62;

MessageLayout LayOutMessage(std::u16string_view message, int buttonCount,
                            const std::array<std::u16string_view, 3>& captions);
