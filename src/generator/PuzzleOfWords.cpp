#include "generator/PuzzleOfWords.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>

#include "generator/PointsRule.h"

PuzzleFile PuzzleOfWords(const std::vector<ListedWord>& words, int size) {
  std::vector<std::u16string> texts;
  std::vector<std::optional<int>> listed;
  for (const ListedWord& word : words) {
    texts.push_back(word.text);
    listed.push_back(word.points);
  }
  const std::vector<int> points = PointsFor(texts, listed);
  auto digits = [&](std::size_t i) { return std::to_string(points[i]).size(); };
  std::vector<std::size_t> order(words.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (digits(a) != digits(b)) return digits(a) > digits(b);
    if (texts[a].size() != texts[b].size()) return texts[a].size() < texts[b].size();
    return texts[a] < texts[b];
  });
  PuzzleFile file;
  file.HasHeader = true;
  file.Entries.resize(PuzzleFile::kLongLayout);
  file.BoardSize = static_cast<std::int16_t>(size);
  file.WordCount = static_cast<std::int16_t>(words.size());
  file.CountSuffix = u"語";
  file.ScoreSuffix = u"点";
  for (std::size_t slot = 0; slot < order.size(); ++slot) {
    const std::size_t i = order[slot];
    file.Entries[slot].Text = texts[i];
    file.Entries[slot].Points = points[i];
    file.MaxWordLength = std::max(file.MaxWordLength, static_cast<std::int16_t>(texts[i].size()));
  }
  return file;
}
