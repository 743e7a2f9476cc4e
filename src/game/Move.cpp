#include "game/Move.h"

#include <cstdlib>

namespace {

bool Placed(const WordSpot& spot) {
  return spot.Placed == 1;
}

// The offset of a step that moved every placed word by the same one cell and
// changed nothing else; nullopt for any other step.
std::optional<std::pair<int, int>> UniformShift(const std::vector<Move::Change>& changes,
                                                const PlayState& after, int wordCount) {
  int placed = 0;
  for (int k = 1; k <= wordCount; ++k) placed += Placed(after.spots[static_cast<std::size_t>(k)]);
  if (changes.empty() || static_cast<int>(changes.size()) != placed) return std::nullopt;
  const Move::Change& first = changes.front();
  const int dx = first.after.Column - first.before.Column;
  const int dy = first.after.Row - first.before.Row;
  if (std::abs(dx) + std::abs(dy) != 1) return std::nullopt;
  for (const Move::Change& c : changes) {
    if (!Placed(c.before) || !Placed(c.after) || c.before.Direction != c.after.Direction ||
        c.after.Column - c.before.Column != dx || c.after.Row - c.before.Row != dy) {
      return std::nullopt;
    }
  }
  return std::pair{dx, dy};
}

}  // namespace

PlayState PlayStateOf(const PuzzleState& puzzle) {
  PlayState state;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& w = puzzle.Word(k);
    state.spots[static_cast<std::size_t>(k)] = {w.Placed, w.Column, w.Row, w.Direction};
  }
  const int s = puzzle.SelectedWord;
  state.SelectedWord = PuzzleState::IsWordIndex(s) && puzzle.Word(s).Placed != 1 ? s : 0;
  state.PlacedCount = puzzle.PlacedCount;
  state.Score = puzzle.Score;
  return state;
}

std::optional<Move> MoveBetween(const PlayState& before, const PlayState& after, int wordCount) {
  Move move;
  for (int k = 1; k <= wordCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (before.spots[i] != after.spots[i]) {
      move.changes.push_back({static_cast<std::uint8_t>(k), before.spots[i], after.spots[i]});
    }
  }
  if (move.changes.empty()) return std::nullopt;
  if (const auto shift = UniformShift(move.changes, after, wordCount)) {
    move.shiftX = static_cast<std::int8_t>(shift->first);
    move.shiftY = static_cast<std::int8_t>(shift->second);
    move.changes.clear();
  }
  move.changes.shrink_to_fit();
  move.selectedBefore = static_cast<std::uint8_t>(before.SelectedWord);
  move.selectedAfter = static_cast<std::uint8_t>(after.SelectedWord);
  move.placedBefore = before.PlacedCount;
  move.placedAfter = after.PlacedCount;
  move.scoreBefore = before.Score;
  move.scoreAfter = after.Score;
  return move;
}

void ApplyMove(const Move& move, bool forward, PuzzleState& puzzle) {
  for (const Move::Change& c : move.changes) {
    const WordSpot& spot = forward ? c.after : c.before;
    WordEntry& w = puzzle.Word(c.entry);
    w.Placed = spot.Placed;
    w.Column = spot.Column;
    w.Row = spot.Row;
    w.Direction = spot.Direction;
  }
  const int sign = forward ? 1 : -1;
  if (move.shiftX != 0 || move.shiftY != 0) {
    for (int k = 1; k <= puzzle.WordCount; ++k) {
      WordEntry& w = puzzle.Word(k);
      if (w.Placed != 1) continue;
      w.Column = static_cast<std::int16_t>(w.Column + sign * move.shiftX);
      w.Row = static_cast<std::int16_t>(w.Row + sign * move.shiftY);
    }
  }
  puzzle.SelectedWord = forward ? move.selectedAfter : move.selectedBefore;
  puzzle.PlacedCount = forward ? move.placedAfter : move.placedBefore;
  puzzle.Score = forward ? move.scoreAfter : move.scoreBefore;
}
