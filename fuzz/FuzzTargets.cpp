#include "FuzzTargets.h"

#include <cstdlib>
#include <variant>

#include "board/BoardPaint.h"
#include "board/BoardRebuild.h"
#include "board/MouseEditing.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLayout.h"
#include "game/Game.h"
#include "ui/SettingsFile.h"
#include "words/BCheck.h"
#include "words/WordListPanel.h"

namespace {

void Require(bool promise) {
  if (!promise) std::abort();
}

// A window system that answers every question with the first button and
// draws R from a fixed walk, so a run is repeatable.
class QuietHost : public Host {
 public:
  int ShowMessage(std::u16string_view, std::u16string_view, int, std::u16string_view,
                  std::u16string_view, std::u16string_view) override {
    return 0;
  }
  void PlayClip(int) override {}
  void ClearPicture() override {}
  void Redraw() override {}
  void Wait(int) override {}
  std::optional<std::string> AskOpenFile() override { return std::nullopt; }
  void ShowOpenedPuzzle(const PuzzleLayout&) override {}
  void SetText1(std::u16string_view) override {}
  double NextRandom() override {
    next_ = (next_ * 7 + 3) % 97;
    return next_ / 97.0;
  }
  void Terminate() override {}

 private:
  int next_ = 1;
};

std::optional<PuzzleFile> Accepted(const std::uint8_t* data, std::size_t size) {
  auto decoded = DecodePuzzleFile(Bytes(data, data + size));
  if (auto* file = std::get_if<PuzzleFile>(&decoded)) return std::move(*file);
  return std::nullopt;
}

}  // namespace

void CheckPuzzleReader(const std::uint8_t* data, std::size_t size) {
  const auto file = Accepted(data, size);
  if (!file) return;
  const auto bytes = EncodePuzzleFile(*file);
  Require(bytes.has_value());
  auto again = DecodePuzzleFile(*bytes);
  Require(std::holds_alternative<PuzzleFile>(again) && std::get<PuzzleFile>(again) == *file);
}

void CheckOpenPath(const std::uint8_t* data, std::size_t size) {
  const auto file = Accepted(data, size);
  if (!file) return;
  QuietHost host;
  Game game(host);
  PuzzleState& puzzle = game.Puzzle;
  ApplyPuzzleFile(*file, puzzle);
  LayOutPuzzle(puzzle);
  RebuildBoard(puzzle);
  for (std::int16_t style = 0; style <= 5; ++style) {
    game.Settings.CrossStyle = style;
    game.Settings.BoardFont = static_cast<std::int16_t>(style % 4);
    PaintBoard(puzzle, game.Settings, 251, 251);
  }
  BCheck(puzzle);
  const int n = puzzle.BoardSize;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    if (puzzle.Word(k).Placed == 1) continue;
    La_MouseDown(game, k, 1);
    La_MouseUp(game, k, 1);
    for (int cell = 0; cell < n * n && puzzle.SelectedWord == k; ++cell) {
      const float x = (cell % n + 0.5f) * 250.0f / static_cast<float>(n);
      const float y = (cell / n + 0.5f) * 250.0f / static_cast<float>(n);
      Pimain_MouseDown(game, 1 + cell % 2, x, y, 251);
      Pimain_MouseUp(game);
    }
    if (puzzle.SelectedWord == k) La_MouseDown(game, k, 1);  // it fits nowhere: drop it
  }
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    if (puzzle.Word(k).Placed != 1 || puzzle.SelectedWord != 0) continue;
    La_MouseDown(game, k, 1);
    La_MouseUp(game, k, 1);
  }
  Require(EncodePuzzleFile(PuzzleFileOf(puzzle, file->HasHeader)).has_value());
}

void CheckSettingsReader(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes(data, data + size);
  const SettingsRecord settings = DecodeSettings(bytes);
  const Bytes written = EncodeSettings(settings);
  Require(written.size() == kSettingsFileSize);
  for (std::size_t i = 0; i < written.size(); ++i) {
    Require(written[i] == (i < bytes.size() ? bytes[i] : 0));
  }
}
