#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "solver/Placement.h"

// The solver's own board: the cells of the game's board kept with use counts
// and one bit mask per row and column, so that a placement is tried, made and
// taken back in a few steps and the completeness check is a few mask
// operations. It answers as the game's placement rule and completeness check
// do (the tests hold it to them) for words without "×" or NUL characters.
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
  // Calls visit(p) for each place of the word on the board where one of its
  // characters would lie on a letter or beside one, across its direction:
  // placed there, the word joins the words on the board.
  template <typename Visit>
  void ForEachTouchingPlace(int word, Visit visit) const;
  void Place(const Placement& p);
  void Remove(const Placement& p);

  bool IsLetter(int x, int y) const { return uses_[Index(x, y)].letters > 0; }
  char16_t Letter(int x, int y) const { return letter_[Index(x, y)]; }

  // Runs of two or more letters with an empty cell right before or after them.
  int OpenRuns() const;
  bool RunsClosed() const;
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
    std::uint8_t starts = 0;   // bit 0: a word starts here across, bit 1: down
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
  // Every row and every column, a line costing about half a cell.
  void CountLinesLookedAt() const { work_ += rowLetters_.size(); }

  int n_;
  const std::vector<std::u16string>& texts_;
  std::vector<Uses> uses_;
  std::vector<char16_t> letter_;
  std::vector<std::uint64_t> rowLetters_, rowMarkers_, columnLetters_, columnMarkers_;
  mutable std::uint64_t work_ = 0;
};

template <typename Visit>
void SolverBoard::ForEachTouchingPlace(int word, Visit visit) const {
  const int length = static_cast<int>(texts_[static_cast<std::size_t>(word)].size());
  if (length == 0 || length > n_) return;
  // Start bits 1 … n - length + 1: every character on the board.
  const std::uint64_t starts = ((std::uint64_t{1} << (n_ - length + 1)) - 1) << 1;
  for (bool down : {false, true}) {
    const std::vector<std::uint64_t>& letters = down ? columnLetters_ : rowLetters_;
    for (int i = 0; i < n_; ++i) {
      const auto line = static_cast<std::size_t>(i + 1);
      const std::uint64_t near = letters[line - 1] | letters[line] | letters[line + 1];
      std::uint64_t touching = 0;  // starts with one of the next `length` cells near
      for (int k = 0; k < length; ++k) touching |= near >> k;
      ++work_;
      for (touching &= starts; touching != 0; touching &= touching - 1) {
        const int along = std::countr_zero(touching) - 1;
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
