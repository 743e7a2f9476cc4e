#include "generator/PointsRule.h"

#include <map>
#include <set>

std::vector<int> PointsFor(const std::vector<std::u16string>& words,
                           const std::vector<std::optional<int>>& listed) {
  std::map<char16_t, int> holders;  // how many words hold each character
  for (const std::u16string& word : words) {
    for (char16_t c : std::set<char16_t>(word.begin(), word.end())) ++holders[c];
  }
  std::vector<int> points;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (listed[i]) {
      points.push_back(*listed[i]);
      continue;
    }
    int sum = 0;
    for (char16_t c : words[i]) {
      const int others = holders[c] - 1;
      sum += others == 0 ? 30 : others <= 2 ? 20 : 10;
    }
    points.push_back(sum);
  }
  return points;
}
