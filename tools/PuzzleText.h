#pragma once

#include <string>
#include <variant>

#include "files/PuzzleFile.h"

// The puzzle tool's plain-text form of a puzzle file: one setting a line,
// then one word a line with its points and, when placed, where it lies.
//
//   layout 90                 60 or 90 entries
//   size 10                   board cells per side
//   count-suffix "個"         shown after the placed count
//   score-suffix "点"         shown after the scores
//   word "ねこ" 30 across 2 3 placed across with its first character at (2, 3)
//   word "いぬ" 20            not placed
//
// Optional lines override what is otherwise worked out from the words:
// "longest L", "words N" (entries past N are stored but not in play),
// "placed-count P", "score S"; and "word TEXT POINTS fields P C R D" gives an
// entry's four placement fields as they are, for files that hold other values.
// "#" starts a comment line.
struct TextError {
  int line;  // 0 when the error is not on one line
  std::string reason;
};

std::variant<PuzzleFile, TextError> ParsePuzzleText(const std::string& text);
// Every field of the file, so parsing it gives the same file back, and the
// board drawn in comment lines.
std::string PrintPuzzleText(const PuzzleFile& file);
