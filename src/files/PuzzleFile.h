#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/PuzzleState.h"
#include "platform/ByteFile.h"

// A puzzle file as it stands on disk, field by field. Two layouts: 60 entries
// without header, or 90 entries after the 12-byte header "バージョン２".
struct PuzzleFile {
  using Entry = StoredWord;

  bool HasHeader = false;      // the 90-entry layout
  std::vector<Entry> Entries;  // 60 or 90
  std::u16string CountSuffix;
  std::u16string ScoreSuffix;
  std::int16_t BoardSize = 0;
  std::int16_t MaxWordLength = 0;
  std::int16_t WordCount = 0;
  std::int32_t PlacedCount = 0;
  std::int32_t Score = 0;

  static constexpr int kShortLayout = 60;
  static constexpr int kLongLayout = 90;
  int EntryCount() const { return HasHeader ? kLongLayout : kShortLayout; }
  bool operator==(const PuzzleFile&) const = default;
};

inline const std::u16string kFileHeader = u"バージョン２";

// Why a file cannot be used, in words for the player's log of the tool.
struct PuzzleFileError {
  std::string reason;
};

// Reads both layouts. Fields past the end of a short file read as 0 and "".
// Text that is not valid code page 932 and values the game cannot use (see
// ValidatePuzzleFile) are errors.
std::variant<PuzzleFile, PuzzleFileError> DecodePuzzleFile(const Bytes& bytes);
std::optional<PuzzleFileError> ValidatePuzzleFile(const PuzzleFile& file);
// nullopt when a text has no code page 932 form.
std::optional<Bytes> EncodePuzzleFile(const PuzzleFile& file);

// The file's content into the puzzle state: entries 1 … E, the suffixes and
// the counters. Entries past E keep what they held.
void ApplyPuzzleFile(const PuzzleFile& file, PuzzleState& puzzle);
// The puzzle state as a file of the given layout.
PuzzleFile PuzzleFileOf(const PuzzleState& puzzle, bool withHeader);
