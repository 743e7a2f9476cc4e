#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/SatSolver.h"
#include "solver/SearchControl.h"
#include "solver/SolverPuzzle.h"

// The game's placement rule and the closed runs of its completeness check, as
// clauses over where the words lie. A variable for each place a word fits
// (its first cell and direction); each word in at most one place; a cell
// holds at most one character, and every word over it puts that one there;
// the cells just before and after a word hold its end markers, never a
// letter; no two words start in the same cell the same way; and every run of
// two or more letters, across or down, has a letter or an end marker on both
// sides (so a run may end at a marker of any word, or share one). Whether the
// letters hang together is left to LazyConnectivity.
class SatEncoding {
 public:
  // Clauses for the puzzle's words on its board; `Build` adds them.
  SatEncoding(const SolverPuzzle& puzzle, SatSolver& sat);
  // About how many literals the clauses hold, before building them.
  static std::uint64_t LiteralsFor(const SolverPuzzle& puzzle);
  // False when the budget ran out first.
  bool Build(Budget& budget);

  const SolverPuzzle& Puzzle() const { return puzzle_; }
  int Size() const { return n_; }
  // The variable of "the word is on the board".
  int Used(int word) const { return used_[static_cast<std::size_t>(word)]; }
  // The variable of "a letter on the cell", or 0 where no word can put one.
  int Letter(int x, int y) const { return letter_[Cell(x, y)]; }
  // The arrangement of a model.
  Arrangement ArrangementOf(const SatSolver& sat) const;
  // The variables of an arrangement's placements (0 for one it does not hold).
  std::vector<int> VariablesOf(const Arrangement& arrangement) const;
  // The same board as the symmetry breaking lets through, scoring no less:
  // copies of a text that score most first, the first word across, moved
  // up and left as far as it goes.
  Arrangement Canonical(const Arrangement& arrangement) const;

  struct Place {
    Placement placement;
    int variable;
  };
  // Every place of every word, word by word.
  const std::vector<Place>& Places() const { return places_; }

 private:
  // Cells of the board and of the ring round it, from (-1, -1).
  std::size_t Cell(int x, int y) const {
    return static_cast<std::size_t>((y + 1) * (n_ + 2) + (x + 1));
  }
  int Length(int word) const {
    return static_cast<int>(puzzle_.words[static_cast<std::size_t>(word)].text.size());
  }
  std::size_t PlaceIndex(const Placement& p) const {
    return ((static_cast<std::size_t>(p.word) * 2 + (p.down ? 1 : 0)) * n_ + p.y) * n_ + p.x;
  }
  void AddPlaces();
  void AddOncePerWord(int word, const std::vector<int>& places);
  void AddCell(std::size_t cell);
  void AddClosedRuns();
  void AddWholeWordRuns();
  void AddOneStartPerTextAndPlace();
  void AddSymmetryBreaking();
  void AddFirstWordAcross();

  const SolverPuzzle& puzzle_;
  SatSolver& sat_;
  const int n_;
  std::vector<Place> places_;
  std::vector<int> placeVariable_;  // by PlaceIndex, 0 where the word does not fit
  std::vector<int> used_;           // by word
  // By cell: the places putting each character there, and the places with an
  // end marker there.
  std::vector<std::vector<std::pair<char16_t, int>>> characters_;
  std::vector<std::vector<int>> markersAt_;
  std::vector<int> letter_, marker_;  // by cell, 0 where nothing can stand
  // By direction and cell: the places of words across (down) over it, and
  // whether one is there.
  std::array<std::vector<std::vector<int>>, 2> coverers_;
  std::array<std::vector<int>, 2> covered_;
  bool shifts_ = false;  // only boards moved up and left are searched
};
