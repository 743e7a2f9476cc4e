#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Colour.h"

// Text colours of a word's two labels in the list panel. They are state: the
// board reads them back to highlight the cells of a word being shown.
constexpr Colour ColourUnplaced = 0x000000;    // black
constexpr Colour ColourPlaced = 0xFFFFFF;      // white
constexpr Colour ColourSelected = 0xFF8080;    // light blue
constexpr Colour ColourShown = 0x0080FF;       // orange
constexpr Colour ColourProbeMatch = 0x00FF00;  // green, text label only

constexpr int kMaxBoardSize = 30;
constexpr int kMaxWords = 90;
constexpr char16_t kEndMarker = u'×';
constexpr char16_t kIdeographicSpace = u'　';
constexpr char16_t kEmptyCell = u'\0';

// A grid indexed (column, row), both from -1 to 30: the used area of a board
// of up to 30 cells plus the ring where the end markers of edge words lie.
template <typename T>
class Grid {
 public:
  static constexpr int kFirst = -1;
  static constexpr int kLast = kMaxBoardSize;

  static bool Contains(int x, int y) {
    return x >= kFirst && x <= kLast && y >= kFirst && y <= kLast;
  }
  T& operator()(int x, int y) { return cells_[x + 1][y + 1]; }
  const T& operator()(int x, int y) const { return cells_[x + 1][y + 1]; }
  void Fill(const T& value) {
    for (auto& column : cells_) column.fill(value);
  }

 private:
  std::array<std::array<T, kLast - kFirst + 1>, kLast - kFirst + 1> cells_{};
};

// A word of the list as a puzzle file stores it.
struct StoredWord {
  std::u16string Text;
  std::int32_t Points = 0;
  std::int16_t Placed = 0;  // 1 = on the board
  std::int16_t Column = 0;  // cell of the first character, while placed
  std::int16_t Row = 0;
  std::int16_t Direction = 0;  // 0 across, 1 down
  bool operator==(const StoredWord&) const = default;
};

// A word of the list in play: what the file stores, and its labels' colours.
struct WordEntry : StoredWord {
  Colour TextColour = ColourUnplaced;    // label La(k)
  Colour PointsColour = ColourUnplaced;  // label La2(k)

  void SetLabelColours(Colour colour) { TextColour = PointsColour = colour; }
};

// The one record of the puzzle. A cell of Board holds kEmptyCell, a character of
// a placed word, or kEndMarker; the word list is the authority, Board its image.
struct PuzzleState {
  std::int16_t BoardSize = 0;
  std::int16_t MaxWordLength = 0;
  std::int16_t WordCount = 0;
  std::int32_t SelectedWord = 0;  // 0 = none
  std::int32_t PlacedCount = 0;
  std::int32_t Score = 0;
  std::int32_t BestScore = 0;
  std::u16string CountSuffix{kIdeographicSpace};
  std::u16string ScoreSuffix{kIdeographicSpace};
  std::uint8_t Incomplete = 0;
  std::int16_t FakeWordIndex = 0;

  Grid<char16_t> Board;
  Grid<char16_t> CellText;
  Grid<std::uint8_t> CellMark;  // 0 none, 1 shown word, 2 probed cell
  Grid<Colour> CellColour;      // per-cell colours of the rainbow font

  std::array<WordEntry, kMaxWords + 1> WordList;  // entries 1 … 90; 0 is unused

  WordEntry& Word(int k) { return WordList[static_cast<std::size_t>(k)]; }
  const WordEntry& Word(int k) const { return WordList[static_cast<std::size_t>(k)]; }
  static bool IsWordIndex(int k) { return k >= 1 && k <= kMaxWords; }
};

// The score is kept as the file stores it, in 32 bits. Points far beyond any
// real puzzle's wrap around instead of overflowing, so taking a word back
// always undoes placing it.
constexpr std::int32_t ScorePlus(std::int32_t score, std::int64_t points) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(score) +
                                   static_cast<std::uint32_t>(points));
}

enum CellMarks : std::uint8_t { kMarkNone = 0, kMarkShown = 1, kMarkProbed = 2 };
