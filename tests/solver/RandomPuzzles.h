#pragma once

#include <random>
#include <string>

#include "files/PuzzleFile.h"

// A word's points: 10 to 50 at random, or ten a character as in most samples.
enum class RandomPoints { Any, ByLength };

// A random puzzle in the 90-entry layout: `words` words of `shortest` to
// `longest` characters drawn from the first `letters` characters of `alphabet`.
inline PuzzleFile RandomPuzzle(std::uint64_t seed, int size, int words, int shortest, int longest,
                               int letters, RandomPoints points = RandomPoints::Any,
                               std::u16string_view alphabet =
                                   u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほま"
                                   u"みむめもやゆよらりるれろわをん") {
  std::mt19937_64 random(seed);
  auto below = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  PuzzleFile file;
  file.HasHeader = true;
  file.Entries.resize(PuzzleFile::kLongLayout);
  file.BoardSize = static_cast<std::int16_t>(size);
  file.WordCount = static_cast<std::int16_t>(words);
  file.CountSuffix = u"個";
  file.ScoreSuffix = u"点";
  for (int k = 0; k < words; ++k) {
    StoredWord& entry = file.Entries[static_cast<std::size_t>(k)];
    const int length = below(shortest, longest);
    for (int i = 0; i < length; ++i)
      entry.Text.push_back(alphabet[static_cast<std::size_t>(below(0, letters - 1))]);
    entry.Points = points == RandomPoints::ByLength ? 10 * length : 10 * below(1, 5);
    file.MaxWordLength =
        std::max<std::int16_t>(file.MaxWordLength, static_cast<std::int16_t>(length));
  }
  return file;
}
