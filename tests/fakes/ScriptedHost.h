#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/Host.h"
#include "platform/Utf8.h"

// A window system for the logic tests: dialogs are answered from a queue and
// recorded, sounds, waits and redraws are recorded, R comes from a list.
class ScriptedHost : public Host {
 public:
  struct Dialog {
    std::u16string message, title;
    int buttonCount;
    std::u16string caption0, caption1, caption2;
    bool operator==(const Dialog&) const = default;
    friend void PrintTo(const Dialog& d, std::ostream* out) {
      *out << "[" << Utf16ToUtf8(d.message) << " (" << Utf16ToUtf8(d.title) << ") " << d.buttonCount
           << ": " << Utf16ToUtf8(d.caption0) << "/" << Utf16ToUtf8(d.caption1) << "/"
           << Utf16ToUtf8(d.caption2) << "]";
    }
  };

  std::deque<int> answers;  // one per dialog; a dialog with no answer left fails the test
  std::deque<double> randoms;
  // When set, R comes from here once `randoms` is used up, and unanswered
  // dialogs get this answer instead of failing the test.
  std::function<double()> moreRandoms;
  std::optional<int> defaultAnswer;
  std::deque<std::optional<std::string>> openFiles;  // answers of the open-file dialog
  std::vector<std::u16string> text1;                 // every status text shown
  int layouts = 0;
  std::vector<Dialog> dialogs;
  std::vector<int> sounds;
  std::vector<int> waits;
  int redraws = 0;
  int clears = 0;
  bool terminated = false;

  int ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                  std::u16string_view caption0, std::u16string_view caption1,
                  std::u16string_view caption2) override;
  void PlayClip(int n) override { sounds.push_back(n); }
  void ClearPicture() override { ++clears; }
  void Redraw() override { ++redraws; }
  void Wait(int milliseconds) override { waits.push_back(milliseconds); }
  std::optional<std::string> AskOpenFile() override;
  void ShowOpenedPuzzle(const PuzzleLayout&) override { ++layouts; }
  void SetText1(std::u16string_view text) override { text1.emplace_back(text); }
  double NextRandom() override;
  void Terminate() override { terminated = true; }

  std::vector<std::u16string> Messages() const;
};
