#pragma once

#include <fstream>
#include <string>

#include "files/PuzzleFile.h"

// Puzzle files for tests: `count` words "あいう…" of points 10 × k, the first
// `placed` of them placed down side by side in row 0 every other column.
inline PuzzleFile TestPuzzle(int count, bool header = true, int placed = 0, int size = 10) {
  PuzzleFile f;
  f.HasHeader = header;
  f.Entries.resize(static_cast<std::size_t>(f.EntryCount()));
  f.BoardSize = static_cast<std::int16_t>(size);
  f.WordCount = static_cast<std::int16_t>(count);
  f.MaxWordLength = 3;
  f.CountSuffix = u"個";
  f.ScoreSuffix = u"点";
  for (int k = 1; k <= count; ++k) {
    PuzzleFile::Entry& e = f.Entries[static_cast<std::size_t>(k - 1)];
    e.Text = std::u16string(1, static_cast<char16_t>(u'あ' + k % 40)) + u"ん";
    e.Points = 10 * k;
    if (k <= placed) {
      e.Placed = 1;
      e.Column = static_cast<std::int16_t>(2 * (k - 1));
      e.Direction = 1;
      ++f.PlacedCount;
      f.Score += e.Points;
    }
  }
  return f;
}

inline void WriteTestPuzzle(const std::string& path, const PuzzleFile& f) {
  const Bytes bytes = *EncodePuzzleFile(f);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}
