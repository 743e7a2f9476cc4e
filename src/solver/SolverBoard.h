#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "solver/Placement.h"

// The solver's own board: the cells of the game's board kept with use counts and bit masks per
// row and column (letters, end markers, first cells, and each character of the words), so that a
// placement is tried, made and taken back in a few steps, a whole line of places is tried at once,
// and the completeness check is a few mask operations. It answers as the game's placement rule
// and completeness check do (the tests hold it to them) for words without "×" or NUL characters.
class SolverBoard {
 public:
  // `size` cells a side, up to 62; `texts` are the words, by index.
  SolverBoard(int size, const std::vector<std::u16string>& texts);

  int Size() const { return n_; }
  // The placement rule of a click: every character on an empty or equal cell,
  // both end-marker cells free of characters, no word starting in the same
  // cell in the same direction. Whether the word is already placed is the
  // caller's to know.
  bool CanPlace(const Placement& p) const;
  // Calls visit(p) for each place where CanPlace allows the word and one of
  // its characters would lie on a letter or beside one, across its direction:
  // placed there, the word joins the words on the board. A whole line of
  // places is tried at once.
  template <typename Visit>
  void ForEachJoiningPlace(int word, Visit visit) const;
  void Place(const Placement& p);
  void Remove(const Placement& p);

  bool IsLetter(int x, int y) const { return uses_[Index(x, y)].letters > 0; }
  char16_t Letter(int x, int y) const { return letter_[Index(x, y)]; }

  // Runs of two or more letters with an empty cell right before or after them.
  int OpenRuns() const;
  bool RunsClosed() const;
  // On a board with every run closed, whether they stay closed with the word
  // placed there: only the runs across it, through its characters, can open.
  bool KeepsRunsClosed(const Placement& p) const;
  // Calls visit(x, y) for the empty cell at each end of a run left open,
  // until visit returns false.
  template <typename Visit>
  void ForEachOpenEnd(Visit visit) const;
  // Groups of letters connected through their four neighbours.
  int Components() const;
  // The game's completeness: one group, every run closed.
  bool Complete() const { return RunsClosed() && Components() <= 1; }

  // The work done since the last call, in looks at a cell (a row or column
  // of bits taken at once costs about half a look): the searches count their
  // steps in it, so that a count of steps lasts about as long whatever the
  // board's size and the words on it.
  std::uint64_t TakeWork() { return std::exchange(work_, 0); }

 private:
  struct Uses {
    std::uint8_t letters = 0;  // words with a character here
    std::uint8_t markers = 0;  // words with an end marker here
  };
  // Cells -1 … n each way, stored from 0; mask bit x + 1 is column x.
  int Index(int x, int y) const { return (y + 1) * (n_ + 2) + (x + 1); }
  template <typename Visit>
  void ForEachCell(const Placement& p, Visit visit) const;
  // The open runs along each line, as bits: one per run end, in its line's word.
  template <typename Each>
  static void OpenRunsAlong(const std::vector<std::uint64_t>& letters,
                            const std::vector<std::uint64_t>& markers, std::uint64_t line,
                            Each each);
  std::uint64_t Line() const;
  // Trying a line of places for a word, and keeping one and drawing it
  // (beside the look at its runs), in looks at a cell.
  static constexpr std::uint64_t kLineOfPlacesWork = 2, kPlaceWork = 8;
  // Every row and every column, a line costing about half a cell.
  void CountLinesLookedAt() const { work_ += rowLetters_.size(); }
  // The row of a word across, or the column of a word down, as a line index.
  static std::size_t LineOf(const Placement& p) {
    return static_cast<std::size_t>((p.down ? p.x : p.y) + 1);
  }
  // The bit of the word's first cell along its line.
  static std::uint64_t StartBit(const Placement& p) {
    return std::uint64_t{1} << ((p.down ? p.y : p.x) + 1);
  }

  // Bit masks of one line each: rows, or columns, from the ring's first.
  using Lines = std::vector<std::uint64_t>;
  // Where each character of the words stands, by rows and by columns.
  struct Characters {
    explicit Characters(const std::vector<std::u16string>& texts);
    std::vector<char16_t> kinds;           // each character once
    std::vector<std::vector<int>> ofWord;  // a word's characters, as kinds
  };

  int n_;
  const std::vector<std::u16string>& texts_;
  std::vector<Uses> uses_;
  std::vector<char16_t> letter_;
  Lines rowLetters_, rowMarkers_, columnLetters_, columnMarkers_;
  const Characters characters_;
  std::vector<Lines> rowsOf_, columnsOf_;  // by kind of character
  std::array<Lines, 2> firsts_;            // first cells of words across, by rows; down, by columns
  mutable std::optional<bool> runsClosed_;  // known since the last change
  // Components' room: the runs of letters, and the run each has joined.
  mutable std::vector<std::uint64_t> runBits_;
  mutable std::vector<int> runParents_;
  mutable std::uint64_t work_ = 0;
};

template <typename Visit>
void SolverBoard::ForEachJoiningPlace(int word, Visit visit) const {
  const std::vector<int>& kinds = characters_.ofWord[static_cast<std::size_t>(word)];
  const int length = static_cast<int>(kinds.size());
  if (length == 0 || length > n_) return;
  // Start bits 1 … n - length + 1: every character on the board.
  const std::uint64_t starts = ((std::uint64_t{1} << (n_ - length + 1)) - 1) << 1;
  for (bool down : {false, true}) {
    const Lines& letters = down ? columnLetters_ : rowLetters_;
    const Lines& markers = down ? columnMarkers_ : rowMarkers_;
    const Lines& taken = firsts_[down];
    const std::vector<Lines>& of = down ? columnsOf_ : rowsOf_;
    for (int i = 0; i < n_; ++i) {
      const auto line = static_cast<std::size_t>(i + 1);
      const std::uint64_t near = letters[line - 1] | letters[line] | letters[line + 1];
      // Starts with one of the next `length` cells near, by doubling spans.
      std::uint64_t fits = near;
      int span = 1;
      for (; span * 2 <= length; span *= 2) fits |= fits >> span;
      if (span < length) fits |= fits >> (length - span);
      // Both end cells free of letters, the start free, and each character on
      // an empty cell or its own.
      fits &= starts & ~taken[line] & ~(letters[line] << 1) & ~(letters[line] >> length);
      const std::uint64_t free = ~(letters[line] | markers[line]);
      for (int k = 0; k < length && fits != 0; ++k)
        fits &=
            (free | of[static_cast<std::size_t>(kinds[static_cast<std::size_t>(k)])][line]) >> k;
      work_ += kLineOfPlacesWork;
      for (; fits != 0; fits &= fits - 1) {
        work_ += kPlaceWork;
        const int along = std::countr_zero(fits) - 1;
        visit(down ? Placement{word, i, along, true} : Placement{word, along, i, false});
      }
    }
  }
}

template <typename Visit>
void SolverBoard::ForEachOpenEnd(Visit visit) const {
  bool going = true;
  CountLinesLookedAt();
  // Bit c of an open-run mask of line i: the run's empty end is cell c - 1 or,
  // for a run open after its end, the pair starts at c and the cell is c + 1.
  auto along = [&](const std::vector<std::uint64_t>& letters,
                   const std::vector<std::uint64_t>& markers, bool rows) {
    for (std::size_t i = 0; i < letters.size() && going; ++i) {
      const std::uint64_t l = letters[i], empty = ~(l | markers[i]) & Line();
      const std::uint64_t pairs = l & (l >> 1);
      for (int shift : {-1, 1}) {
        for (std::uint64_t ends = shift < 0 ? empty & (pairs >> 1) : pairs & (empty >> 2);
             ends && going; ends &= ends - 1) {
          const int along = std::countr_zero(ends) + shift, across = static_cast<int>(i) - 1;
          going = rows ? visit(along, across) : visit(across, along);
        }
      }
    }
  };
  along(rowLetters_, rowMarkers_, true);
  along(columnLetters_, columnMarkers_, false);
}
