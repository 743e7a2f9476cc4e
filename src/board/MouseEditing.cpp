#include "board/MouseEditing.h"

#include <cmath>

#include "board/CellColours.h"
#include "fun/RandomMessages.h"
#include "words/BCheck.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// Rounds to the nearest whole number, halves to the even neighbour.
long RoundHalfEven(double v) {
  return std::lrint(v);
}

void Probe(PuzzleState& puzzle, Cell cell) {
  if (!Grid<char16_t>::Contains(cell.column, cell.row)) return;
  puzzle.CellMark(cell.column, cell.row) = kMarkProbed;
  const char16_t probed = puzzle.Board(cell.column, cell.row);
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    if (puzzle.Word(k).Text.find(probed) != std::u16string::npos) {
      puzzle.Word(k).TextColour = ColourProbeMatch;
    }
  }
}

bool EndMarkerCellFree(const PuzzleState& puzzle, int x, int y) {
  return puzzle.Board(x, y) == kEndMarker || puzzle.Board(x, y) == kEmptyCell;
}

bool SameStartAndDirectionTaken(const PuzzleState& puzzle, int c, int r, int dy) {
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& w = puzzle.Word(k);
    if (w.Placed == 1 && w.Column == c && w.Row == r && w.Direction == dy) return true;
  }
  return false;
}

void Place(PuzzleState& puzzle, Cell cell, int dx, int dy) {
  const int s = puzzle.SelectedWord;
  WordEntry& word = puzzle.Word(s);
  word.Placed = 1;
  word.SetLabelColours(ColourPlaced);
  puzzle.PlacedCount += 1;
  puzzle.Score = ScorePlus(puzzle.Score, word.Points);
  const int length = static_cast<int>(word.Text.size());
  for (int i = 0; i < length; ++i)
    puzzle.Board(cell.column + dx * i, cell.row + dy * i) = word.Text[i];
  word.Column = static_cast<std::int16_t>(cell.column);
  word.Row = static_cast<std::int16_t>(cell.row);
  word.Direction = static_cast<std::int16_t>(dy);
  puzzle.Board(cell.column - dx, cell.row - dy) = kEndMarker;
  puzzle.Board(cell.column + dx * length, cell.row + dy * length) = kEndMarker;
  puzzle.SelectedWord = 0;
}

}  // namespace

Cell HitTest(float x, float y, int width, int boardSize) {
  const long step = RoundHalfEven((width - 1) / static_cast<double>(boardSize) * 100);
  if (step <= 0) return {0, 0};
  return {static_cast<int>(RoundHalfEven(x * 100.0) / step),
          static_cast<int>(RoundHalfEven(y * 100.0) / step)};
}

bool WordFits(const PuzzleState& puzzle, int index, int c, int r, int dx, int dy) {
  const int n = puzzle.BoardSize;
  const std::u16string& text = puzzle.Word(index).Text;
  const int length = static_cast<int>(text.size());
  if (c < 0 || r < 0 || c >= n || r >= n) return false;
  for (int i = 0; i < length; ++i) {
    const int x = c + dx * i, y = r + dy * i;
    if (x >= n || y >= n) return false;
    if (puzzle.Board(x, y) != kEmptyCell && puzzle.Board(x, y) != text[i]) return false;
  }
  return EndMarkerCellFree(puzzle, c - dx, r - dy) && c + dx * length <= n &&
         r + dy * length <= n && EndMarkerCellFree(puzzle, c + dx * length, r + dy * length);
}

bool PlacementAllowed(const PuzzleState& puzzle, int index, int c, int r, int dx, int dy) {
  return WordFits(puzzle, index, c, r, dx, dy) && !SameStartAndDirectionTaken(puzzle, c, r, dy);
}

void Pimain_MouseDown(Game& game, int button, float x, float y, int width) {
  PuzzleState& puzzle = game.Puzzle;
  const int n = puzzle.BoardSize;
  if (n <= 0) return;  // no puzzle open: there is no board to press on
  if (game.Settings.BoardFont == kFontRainbow) DrawCellColours(game);
  const Cell cell = HitTest(x, y, width, n);
  if (puzzle.SelectedWord == 0) {
    Probe(puzzle, cell);
    return;
  }
  if (button != kLeftButton && button != kRightButton) return;
  const int s = puzzle.SelectedWord;
  // A placed word being shown is selected too; it is never placed twice.
  if (!PuzzleState::IsWordIndex(s) || puzzle.Word(s).Placed == 1) return;
  const int dx = 2 - button, dy = 1 - dx;
  if (!PlacementAllowed(puzzle, s, cell.column, cell.row, dx, dy)) return;
  if (DrawRandomMessageChance(game)) ShowRandomMessage(game);
  Place(puzzle, cell, dx, dy);
  CheckAndRaiseBestScore(puzzle);
}

void Pimain_MouseUp(Game& game) {
  PuzzleState& puzzle = game.Puzzle;
  if (puzzle.SelectedWord != 0) return;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    puzzle.Word(k).TextColour = puzzle.Word(k).Placed == 1 ? ColourPlaced : ColourUnplaced;
  }
  puzzle.CellMark.Fill(kMarkNone);
}
