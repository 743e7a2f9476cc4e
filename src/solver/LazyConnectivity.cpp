#include "solver/LazyConnectivity.h"

#include <array>
#include <vector>

LazyConnectivity::LazyConnectivity(const SatEncoding& encoding, SatSolver& sat)
    : encoding_(encoding), sat_(sat), n_(encoding.Size()) {}

void LazyConnectivity::AddTouching() {
  const SolverPuzzle& puzzle = encoding_.Puzzle();
  // Alone: at most one word with characters on the board.
  const int alone = sat_.NewVariable();
  std::vector<int> used;
  for (int w = 0; w < static_cast<int>(puzzle.words.size()); ++w)
    if (!puzzle.words[static_cast<std::size_t>(w)].text.empty()) used.push_back(encoding_.Used(w));
  sat_.AtMostOne(used, -alone);
  // Where a word across, and where a word down, puts a letter.
  std::array<std::vector<std::vector<int>>, 2> covering;
  for (auto& byCell : covering) byCell.resize(static_cast<std::size_t>(n_ * n_));
  for (const SatEncoding::Place& place : encoding_.Places()) {
    const Placement& p = place.placement;
    const int length = static_cast<int>(puzzle.words[static_cast<std::size_t>(p.word)].text.size());
    for (int i = 0; i < length; ++i) {
      const int x = p.down ? p.x : p.x + i, y = p.down ? p.y + i : p.y;
      covering[p.down][static_cast<std::size_t>(y * n_ + x)].push_back(place.variable);
    }
  }
  std::array<std::vector<int>, 2> coveredBy;
  for (bool down : {false, true})
    for (const std::vector<int>& places : covering[down])
      coveredBy[down].push_back(places.empty() ? 0 : sat_.AnyOf(places));
  for (const SatEncoding::Place& place : encoding_.Places()) {
    const Placement& p = place.placement;
    const int length = static_cast<int>(puzzle.words[static_cast<std::size_t>(p.word)].text.size());
    if (length == 0) continue;
    std::vector<int> touches{-place.variable, alone};
    auto add = [&](int literal) {
      if (literal != 0) touches.push_back(literal);
    };
    for (int i = 0; i < length; ++i) {
      const int x = p.down ? p.x : p.x + i, y = p.down ? p.y + i : p.y;
      add(coveredBy[!p.down][static_cast<std::size_t>(y * n_ + x)]);
      // The cells on either side, across the word's direction.
      const int sx = p.down ? 1 : 0, sy = p.down ? 0 : 1;
      if (x - sx >= 0 && y - sy >= 0) add(encoding_.Letter(x - sx, y - sy));
      if (x + sx < n_ && y + sy < n_) add(encoding_.Letter(x + sx, y + sy));
    }
    sat_.Add(touches);
  }
}

int LazyConnectivity::CutApart() {
  const auto cells = static_cast<std::size_t>(n_ * n_);
  std::vector<int> group(cells, -1);  // by cell: its group, or -1 for no letter
  std::vector<std::vector<int>> groups;
  auto letter = [&](int cell) {
    const int variable = encoding_.Letter(cell % n_, cell / n_);
    return variable != 0 && sat_.Value(variable);
  };
  auto forEachNeighbour = [&](int cell, auto visit) {
    const int x = cell % n_, y = cell / n_;
    static constexpr std::array<std::array<int, 2>, 4> kSteps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
    for (const auto& [dx, dy] : kSteps) {
      if (x + dx >= 0 && y + dy >= 0 && x + dx < n_ && y + dy < n_) visit(cell + dy * n_ + dx);
    }
  };
  for (int start = 0; start < static_cast<int>(cells); ++start) {
    if (group[static_cast<std::size_t>(start)] >= 0 || !letter(start)) continue;
    const int g = static_cast<int>(groups.size());
    std::vector<int>& members = groups.emplace_back(std::vector<int>{start});
    group[static_cast<std::size_t>(start)] = g;
    for (std::size_t next = 0; next < members.size(); ++next) {
      forEachNeighbour(members[next], [&](int cell) {
        if (group[static_cast<std::size_t>(cell)] >= 0 || !letter(cell)) return;
        group[static_cast<std::size_t>(cell)] = g;
        members.push_back(cell);
      });
    }
  }
  if (groups.size() <= 1) return static_cast<int>(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    // The border of the group cuts the board into regions: the group's, and
    // the others, which hold the other groups.
    std::vector<int> region(cells, -1);
    const int border = -2;
    std::vector<int> clause;
    for (int cell : groups[g]) {
      forEachNeighbour(cell, [&](int beside) {
        const auto b = static_cast<std::size_t>(beside);
        if (group[b] == static_cast<int>(g) || region[b] == border) return;
        region[b] = border;
        if (const int variable = encoding_.Letter(beside % n_, beside / n_))
          clause.push_back(variable);
      });
    }
    std::vector<int> stack{groups[g].front()};
    region[static_cast<std::size_t>(stack.back())] = 0;
    while (!stack.empty()) {
      const int cell = stack.back();
      stack.pop_back();
      forEachNeighbour(cell, [&](int beside) {
        if (region[static_cast<std::size_t>(beside)] != -1) return;
        region[static_cast<std::size_t>(beside)] = 0;
        stack.push_back(beside);
      });
    }
    const int some = sat_.NewVariable(), other = sat_.NewVariable();
    clause.push_back(-some);
    clause.push_back(-other);
    sat_.Add(clause);
    for (int cell = 0; cell < static_cast<int>(cells); ++cell) {
      const int variable = encoding_.Letter(cell % n_, cell / n_);
      const int r = region[static_cast<std::size_t>(cell)];
      if (variable != 0 && r != border) sat_.Add({-variable, r == 0 ? some : other});
    }
  }
  return static_cast<int>(groups.size());
}
