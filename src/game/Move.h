#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/PuzzleState.h"

// Where one word of the list lies: all that a step of play changes of an entry.
struct WordSpot {
  std::int16_t Placed = 0;
  std::int16_t Column = 0;
  std::int16_t Row = 0;
  std::int16_t Direction = 0;
  bool operator==(const WordSpot&) const = default;
};

// What a step of play can change: where the words lie, the word selected for
// placing, and the counters.
struct PlayState {
  std::array<WordSpot, kMaxWords + 1> spots;  // entries 1 … 90
  std::int32_t SelectedWord = 0;
  std::int32_t PlacedCount = 0;
  std::int32_t Score = 0;
};

// A word shown while its label is held is not selected for placing, so it is
// not kept as the selection.
PlayState PlayStateOf(const PuzzleState& puzzle);

// One step of the history: what changed between two play states.
struct Move {
  struct Change {
    std::uint8_t entry;
    WordSpot before, after;
  };
  std::vector<Change> changes;
  // A step that moved every placed word by one offset keeps only the offset.
  std::int8_t shiftX = 0, shiftY = 0;
  std::uint8_t selectedBefore = 0, selectedAfter = 0;
  std::int32_t placedBefore = 0, placedAfter = 0;
  std::int32_t scoreBefore = 0, scoreAfter = 0;
};

// nullopt when no word moved: choosing a word alone is no step.
std::optional<Move> MoveBetween(const PlayState& before, const PlayState& after, int wordCount);

// Sets the words, the selection and the counters as they were before the move
// (forward false) or after it.
void ApplyMove(const Move& move, bool forward, PuzzleState& puzzle);
