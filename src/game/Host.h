#pragma once

#include <optional>
#include <string>
#include <string_view>

struct PuzzleLayout;

// What the game logic asks of the window system. The Qt application is the
// real one; tests hand the logic a scripted fake.
class Host {
 public:
  virtual ~Host() = default;

  // Shows the modal message dialog and returns DialogResult, the index of the
  // button the player clicked (0 for the first).
  virtual int ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                          std::u16string_view caption0, std::u16string_view caption1,
                          std::u16string_view caption2) = 0;
  // Starts sound clip n without waiting; a new sound cuts off the one playing.
  virtual void PlayClip(int n) = 0;
  // Blanks the board picture so the next redraw paints on white.
  virtual void ClearPicture() = 0;
  virtual void Redraw() = 0;
  // Returns after more than `milliseconds` have passed, pumping events.
  virtual void Wait(int milliseconds) = 0;
  // Asks for an existing puzzle file; nullopt when the player cancels.
  virtual std::optional<std::string> AskOpenFile() = 0;
  // Lays the main window out for the puzzle just opened and enables the
  // commands that need one.
  virtual void ShowOpenedPuzzle(const PuzzleLayout& layout) = 0;
  // The text of the main window's status box.
  virtual void SetText1(std::u16string_view text) = 0;
  // A fresh value R of the program's generator, uniform in [0, 1).
  virtual double NextRandom() = 0;
  // Ends the process at once; nothing is written.
  virtual void Terminate() = 0;
};
