#pragma once

#include "files/PuzzleFile.h"

// The largest puzzle file there is: ninety words of six characters on a
// 30 x 30 board, the first `placed` of them placed.
inline PuzzleFile NinetyEntryFile(int placed = 0) {
  PuzzleFile file;
  file.HasHeader = true;
  file.Entries.resize(90);
  for (int k = 0; k < 90; ++k) {
    file.Entries[static_cast<std::size_t>(k)] = {
        u"ことばあそび", 10 * k, static_cast<std::int16_t>(k < placed ? 1 : 0), 0, 0, 0};
  }
  file.BoardSize = 30;
  file.WordCount = 90;
  file.MaxWordLength = 6;
  file.CountSuffix = u"個";
  file.ScoreSuffix = u"点";
  return file;
}
