#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "files/PuzzleFile.h"
#include "solver/Placement.h"

// What the solver works on: the board size and the words in play, highest
// points first (words without characters last), each remembering its entry in
// the puzzle file.
struct SolverWord {
  std::u16string text;
  int points = 0;
  int entry = 0;  // 1 … WordCount
};

struct SolverPuzzle {
  int size = 0;
  std::vector<SolverWord> words;
  // The points of every word that fits on the board at all, words of negative
  // points left out.
  long long fittingPoints = 0;
  // No complete arrangement scores more: the fitting points, or less where
  // the rows and columns cannot hold every word.
  long long upperBound = 0;
  // Every fitting word can be searched for. Words holding an end marker "×" or
  // a NUL character are never placed by the solver, and so never proven.
  bool searchesEveryWord = true;
};

SolverPuzzle MakeSolverPuzzle(const PuzzleFile& file);

std::vector<std::u16string> TextsOf(const SolverPuzzle& puzzle);

// Where each character stands in the words: a word crossing a character on
// the board is one of the words that hold it.
struct Occurrence {
  int word, index;
};
using Occurrences = std::unordered_map<char16_t, std::vector<Occurrence>>;
Occurrences OccurrencesIn(const std::vector<std::u16string>& texts);

long long ScoreOf(const SolverPuzzle& puzzle, const Arrangement& arrangement);

// What a word of these points can add to the best score: a word that costs
// points adds nothing, though it may still be placed to join two groups.
inline long long WorthOf(long long points) {
  return std::max<long long>(0, points);
}

// The puzzle file with exactly the arrangement placed, its count and score set;
// everything else as read.
PuzzleFile WithArrangement(const PuzzleFile& file, const SolverPuzzle& puzzle,
                           const Arrangement& arrangement);

// The file's placed words as the solver's placements, when the game's own
// check finds them complete and the solver searches every one of them.
std::optional<Arrangement> ArrangementIn(const PuzzleFile& file, const SolverPuzzle& puzzle);

// Checks a file's placed words with the game's own rules: each placed in turn
// as a click would place it, and the board complete. The reason when not.
std::optional<std::string> CheckArrangementByTheGame(const PuzzleFile& file);
