#pragma once

#include "game/Game.h"
#include "game/Host.h"
#include "platform/Random.h"
#include "web/PageState.h"

// The page as the window system the game logic talks to. A question (a
// message with buttons, a file to open) is answered by the page while the
// logic waits for it, suspended: the page's answer resumes it where it asked.
class WebHost : public Host {
 public:
  WebHost();

  int ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                  std::u16string_view caption0, std::u16string_view caption1,
                  std::u16string_view caption2) override;
  void PlayClip(int n) override;
  void ClearPicture() override;
  void Redraw() override;
  void Wait(int milliseconds) override;
  std::optional<std::string> AskOpenFile() override;
  void ShowOpenedPuzzle(const PuzzleLayout& layout) override;
  void SetText1(std::u16string_view text) override;
  double NextRandom() override;
  void Terminate() override;

  // The background and board face the settings ask for, as the desktop
  // applies them at start and after the settings window.
  void ApplyAppearance();

  Game game;
  PageLook look;

 private:
  Random random_;
};
