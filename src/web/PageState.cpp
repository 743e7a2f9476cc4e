#include "web/PageState.h"

#include "board/BoardPaint.h"
#include "board/BoardRebuild.h"
#include "board/Counters.h"
#include "web/Json.h"

namespace {

std::string Cells(Game& game) {
  PuzzleState& puzzle = game.Puzzle;
  std::string out = "[";
  for (int y = 0; y < puzzle.BoardSize; ++y) {
    for (int x = 0; x < puzzle.BoardSize; ++x) {
      const CellPaint cell = LookOfCell(puzzle, game.Settings, x, y);
      if (x > 0 || y > 0) out += ",";
      const bool letter = puzzle.Board(x, y) != kEmptyCell && puzzle.Board(x, y) != kEndMarker;
      out += "{\"text\":" +
             JsonString(cell.text == kEmptyCell ? std::u16string() : std::u16string(1, cell.text)) +
             ",\"colour\":" + JsonColour(cell.colour) +
             ",\"letter\":" + (letter ? "true" : "false") +
             ",\"mark\":" + std::to_string(puzzle.CellMark(x, y)) + "}";
    }
  }
  return out + "]";
}

std::string Words(const PuzzleState& puzzle) {
  std::string out = "[";
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& word = puzzle.Word(k);
    if (k > 1) out += ",";
    out += "{\"text\":" + JsonString(word.Text) + ",\"points\":" + std::to_string(word.Points) +
           ",\"placed\":" + (word.Placed == 1 ? "true" : "false") +
           ",\"selected\":" + (puzzle.SelectedWord == k ? "true" : "false") +
           ",\"colour\":" + JsonColour(word.TextColour) +
           ",\"pointsColour\":" + JsonColour(word.PointsColour) + "}";
  }
  return out + "]";
}

std::string Settings(const SettingsRecord& settings) {
  std::string sounds = "[";
  for (std::size_t n = 0; n < settings.SoundSwitch.size(); ++n) {
    sounds += (n > 0 ? "," : "") + std::to_string(settings.SoundSwitch[n]);
  }
  return "{\"crossStyle\":" + std::to_string(settings.CrossStyle) +
         ",\"background\":" + std::to_string(settings.Background) +
         ",\"boardFont\":" + std::to_string(settings.BoardFont) +
         ",\"messageMode\":" + std::to_string(settings.MessageMode) + ",\"sounds\":" + sounds +
         "]}";
}

}  // namespace

std::string DescribePage(Game& game, const PageLook& look) {
  PuzzleState& puzzle = game.Puzzle;
  RebuildBoard(puzzle);
  const Counters counters = DescribeCounters(puzzle);
  return "{\"size\":" + std::to_string(puzzle.BoardSize) + ",\"cells\":" + Cells(game) +
         ",\"words\":" + Words(puzzle) + ",\"placed\":" + JsonString(counters.Lg1) +
         ",\"now\":" + JsonString(counters.Lg2) +
         ",\"nowColour\":" + JsonColour(counters.Lg2Colour) +
         ",\"max\":" + JsonString(counters.Lg3) +
         ",\"incomplete\":" + (puzzle.Incomplete != 0 ? "true" : "false") +
         ",\"score\":" + std::to_string(puzzle.Score) +
         ",\"canUndo\":" + (game.History.CanUndo() ? "true" : "false") +
         ",\"canRedo\":" + (game.History.CanRedo() ? "true" : "false") +
         ",\"settings\":" + Settings(game.Settings) +
         ",\"background\":" + JsonColour(look.background) + ",\"face\":" + JsonString(look.face) +
         ",\"text1\":" + JsonString(look.text1) + "}";
}
