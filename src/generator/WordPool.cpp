#include "generator/WordPool.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

// The longest words that suit a level on a board of this size: short ones
// pack densely, which is what hard puzzles reward.
int LongestFor(Level level, int size) {
  switch (level) {
    case Level::Easy:
      return std::min(size, size <= 10 ? 4 : 6);
    case Level::Normal:
      return std::min(size, size <= 10 ? 3 : size <= 15 ? 4 : 5);
    case Level::Hard:
      return std::min(size, size <= 20 ? 3 : 5);
  }
  return size;
}

}  // namespace

int DefaultWordCount(int size, Level level) {
  // An easy puzzle leaves room between its words; a dense arrangement holds
  // about three a row; a normal puzzle lies between.
  const int easy = 9 * size / 4 - 3, dense = 3 * size - 4;
  const int count = level == Level::Easy     ? easy
                    : level == Level::Normal ? (easy + dense) / 2
                                             : dense;
  return std::clamp(count, 2, 90);
}

int WordCountFor(const GenerateOptions& options) {
  return options.words > 0 ? options.words : DefaultWordCount(options.size, options.level);
}

std::vector<ListedWord> PoolFor(const std::vector<ListedWord>& words, Level level, int size,
                                int count) {
  std::vector<ListedWord> pool;
  for (int longest = LongestFor(level, size); longest <= size; ++longest) {
    pool.clear();
    std::set<std::u16string> seen;
    for (const ListedWord& word : words) {
      const auto length = static_cast<int>(word.text.size());
      if (length >= 2 && length <= longest && seen.insert(word.text).second) pool.push_back(word);
    }
    if (static_cast<int>(pool.size()) >= count) break;
  }
  return pool;
}

namespace {

// The `share` of the pool whose characters fewest other words hold, rarest
// first, or the share whose characters most hold, commonest first; equals in
// the pool's order.
std::vector<ListedWord> Ranked(const std::vector<ListedWord>& pool, double share, bool commonest) {
  std::map<char16_t, int> holders;  // how many words hold each character
  for (const ListedWord& word : pool) {
    for (char16_t c : std::set<char16_t>(word.text.begin(), word.text.end())) ++holders[c];
  }
  std::vector<std::pair<double, const ListedWord*>> ranked;
  for (const ListedWord& word : pool) {
    double others = 0;
    for (char16_t c : word.text) others += holders[c] - 1;
    ranked.push_back({others / static_cast<double>(word.text.size()), &word});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
    return commonest ? a.first > b.first : a.first < b.first;
  });
  ranked.resize(static_cast<std::size_t>(share * static_cast<double>(ranked.size()) + 0.5));
  std::vector<ListedWord> words;
  for (const auto& [_, word] : ranked) words.push_back(*word);
  return words;
}

}  // namespace

std::vector<ListedWord> RarestWords(const std::vector<ListedWord>& pool, double share) {
  return Ranked(pool, share, false);
}

std::vector<ListedWord> CommonestWords(const std::vector<ListedWord>& pool, double share) {
  return Ranked(pool, share, true);
}
