#pragma once

#include <optional>
#include <string>
#include <vector>

// A puzzle's points: each character of a word earns 10, 20 when at most two
// other words of the puzzle hold it, 30 when no other word does. A word of
// rare characters is worth more because it is harder to cross: it must lie
// beside other words, its runs closed by their end markers. Points a word
// list gives win.
std::vector<int> PointsFor(const std::vector<std::u16string>& words,
                           const std::vector<std::optional<int>>& listed);
