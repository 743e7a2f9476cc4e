#include "solver/SolverPuzzle.h"

#include <algorithm>

#include "board/BoardRebuild.h"
#include "board/MouseEditing.h"
#include "words/BCheck.h"

namespace {

bool Searchable(const std::u16string& text) {
  return text.find(kEndMarker) == std::u16string::npos &&
         text.find(kEmptyCell) == std::u16string::npos;
}

// Words lying the same way never share a cell and are kept apart by their end
// markers, so a row or column of n cells, with the ring's two, holds words
// whose lengths plus one add up to at most n + 1. Filling that room in every
// line with the words that bring the most points for it, the last one in
// part, gives a score no arrangement of these words can pass.
long long RoomBound(const std::vector<SolverWord>& words, int size) {
  std::vector<const SolverWord*> byValue;
  for (const SolverWord& word : words) {
    if (word.points > 0) byValue.push_back(&word);
  }
  auto room = [](const SolverWord* w) { return static_cast<long long>(w->text.size()) + 1; };
  std::stable_sort(byValue.begin(), byValue.end(), [&](const SolverWord* a, const SolverWord* b) {
    return a->points * room(b) > b->points * room(a);
  });
  long long left = 2LL * size * (size + 1), bound = 0;
  for (const SolverWord* word : byValue) {
    if (room(word) > left) return bound + word->points * left / room(word);
    bound += word->points;
    left -= room(word);
  }
  return bound;
}

}  // namespace

SolverPuzzle MakeSolverPuzzle(const PuzzleFile& file) {
  SolverPuzzle puzzle;
  puzzle.size = file.BoardSize;
  for (int k = 1; k <= file.WordCount; ++k) {
    const StoredWord& entry = file.Entries[static_cast<std::size_t>(k - 1)];
    if (static_cast<int>(entry.Text.size()) > puzzle.size) continue;
    puzzle.fittingPoints += WorthOf(entry.Points);
    if (!Searchable(entry.Text)) {
      puzzle.searchesEveryWord = false;
      continue;
    }
    puzzle.words.push_back({entry.Text, entry.Points, k});
  }
  // A word holding "×" or NUL can lie over other words' end markers or
  // letters, which the room of a line does not allow for.
  puzzle.upperBound =
      puzzle.searchesEveryWord ? RoomBound(puzzle.words, puzzle.size) : puzzle.fittingPoints;
  // Highest points first; words without characters last, since they connect
  // to nothing and only ever join an arrangement.
  std::stable_sort(puzzle.words.begin(), puzzle.words.end(),
                   [](const SolverWord& a, const SolverWord& b) {
                     if (a.text.empty() != b.text.empty()) return b.text.empty();
                     return a.points > b.points;
                   });
  return puzzle;
}

Occurrences OccurrencesIn(const std::vector<std::u16string>& texts) {
  Occurrences occurrences;
  for (std::size_t w = 0; w < texts.size(); ++w) {
    for (std::size_t i = 0; i < texts[w].size(); ++i) {
      occurrences[texts[w][i]].push_back({static_cast<int>(w), static_cast<int>(i)});
    }
  }
  return occurrences;
}

std::vector<std::u16string> TextsOf(const SolverPuzzle& puzzle) {
  std::vector<std::u16string> texts;
  for (const SolverWord& word : puzzle.words) texts.push_back(word.text);
  return texts;
}

long long ScoreOf(const SolverPuzzle& puzzle, const Arrangement& arrangement) {
  long long score = 0;
  for (const Placement& p : arrangement)
    score += puzzle.words[static_cast<std::size_t>(p.word)].points;
  return score;
}

PuzzleFile WithArrangement(const PuzzleFile& file, const SolverPuzzle& puzzle,
                           const Arrangement& arrangement) {
  PuzzleFile out = file;
  for (int k = 1; k <= file.WordCount; ++k) {
    StoredWord& entry = out.Entries[static_cast<std::size_t>(k - 1)];
    entry.Placed = entry.Column = entry.Row = entry.Direction = 0;
  }
  for (const Placement& p : arrangement) {
    StoredWord& entry = out.Entries[static_cast<std::size_t>(
        puzzle.words[static_cast<std::size_t>(p.word)].entry - 1)];
    entry.Placed = 1;
    entry.Column = static_cast<std::int16_t>(p.x);
    entry.Row = static_cast<std::int16_t>(p.y);
    entry.Direction = p.down ? 1 : 0;
  }
  out.PlacedCount = static_cast<std::int32_t>(arrangement.size());
  out.Score = ScorePlus(0, ScoreOf(puzzle, arrangement));
  return out;
}

std::optional<Arrangement> ArrangementIn(const PuzzleFile& file, const SolverPuzzle& puzzle) {
  if (CheckArrangementByTheGame(file)) return std::nullopt;
  Arrangement arrangement;
  for (int w = 0; w < static_cast<int>(puzzle.words.size()); ++w) {
    const StoredWord& entry =
        file.Entries[static_cast<std::size_t>(puzzle.words[static_cast<std::size_t>(w)].entry - 1)];
    if (entry.Placed == 1)
      arrangement.push_back({w, entry.Column, entry.Row, entry.Direction == 1});
  }
  if (static_cast<int>(arrangement.size()) != file.PlacedCount) return std::nullopt;
  return arrangement;
}

std::optional<std::string> CheckArrangementByTheGame(const PuzzleFile& file) {
  PuzzleState puzzle;
  ApplyPuzzleFile(file, puzzle);
  PuzzleState growing = puzzle;
  std::int32_t score = 0;
  int placed = 0;
  for (int k = 1; k <= puzzle.WordCount; ++k) growing.Word(k).Placed = 0;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& word = puzzle.Word(k);
    if (word.Placed != 1) continue;
    RebuildBoard(growing);
    const int dx = 1 - word.Direction, dy = word.Direction;
    if (!PlacementAllowed(growing, k, word.Column, word.Row, dx, dy)) {
      return "entry " + std::to_string(k) + " cannot be placed where it lies";
    }
    growing.Word(k) = word;
    score = ScorePlus(score, word.Points);
    ++placed;
  }
  RebuildBoard(growing);
  BCheck(growing);
  if (growing.Incomplete != 0) return "the board is incomplete";
  if (score != file.Score || placed != file.PlacedCount)
    return "the score or count is not the board's";
  return std::nullopt;
}
