#include "solver/Totalizer.h"

#include <algorithm>
#include <map>

namespace {

struct Counting {
  SatSolver& sat;
  const std::vector<std::pair<long long, int>>& weighted;
  const long long cap;
  std::uint64_t literalsLeft;

  // The counter of weighted[first, last).
  std::optional<Totalizer::Sums> Count(std::size_t first, std::size_t last) {
    if (last - first == 1)
      return Totalizer::Sums{{std::min(weighted[first].first, cap), weighted[first].second}};
    const std::size_t middle = first + (last - first) / 2;
    const auto left = Count(first, middle);
    const auto right = left ? Count(middle, last) : std::nullopt;
    if (!right) return std::nullopt;
    const std::uint64_t literals =
        2 * (left->size() + right->size()) + 3 * left->size() * right->size();
    if (literals > literalsLeft) return std::nullopt;
    literalsLeft -= literals;
    // Checking the size first adds nothing to a counter that is given up.
    std::map<long long, int> sums;
    auto sum = [&](long long s) {
      int& variable = sums[std::min(s, cap)];
      if (variable == 0) variable = sat.NewVariable();
      return variable;
    };
    for (const Totalizer::Sums* part : {&*left, &*right})
      for (const auto& [s, literal] : *part) sat.Add({-literal, sum(s)});
    for (const auto& [a, leftLiteral] : *left) {
      for (const auto& [b, rightLiteral] : *right) {
        if (a < cap && b < cap) sat.Add({-leftLiteral, -rightLiteral, sum(a + b)});
      }
    }
    return Totalizer::Sums(sums.begin(), sums.end());
  }
};

}  // namespace

std::optional<Totalizer::Sums> Totalizer::Count(
    SatSolver& sat, const std::vector<std::pair<long long, int>>& weighted, long long cap,
    std::uint64_t maxLiterals) {
  if (weighted.empty()) return Sums{};
  Counting counting{sat, weighted, cap, maxLiterals};
  auto root = counting.Count(0, weighted.size());
  if (!root) return std::nullopt;
  for (std::size_t i = 0; i + 1 < root->size(); ++i)
    sat.Add({-(*root)[i + 1].second, (*root)[i].second});
  for (const auto& [sum, variable] : *root) sat.Freeze(variable);
  return root;
}
