#include "solver/SolverBoard.h"

#include <algorithm>
#include <bit>

SolverBoard::Characters::Characters(const std::vector<std::u16string>& texts) {
  for (const std::u16string& text : texts) {
    std::vector<int>& word = ofWord.emplace_back();
    for (char16_t c : text) {
      auto kind = std::find(kinds.begin(), kinds.end(), c);
      if (kind == kinds.end()) kind = kinds.insert(kinds.end(), c);
      word.push_back(static_cast<int>(kind - kinds.begin()));
    }
  }
}

SolverBoard::SolverBoard(int size, const std::vector<std::u16string>& texts)
    : n_(size),
      texts_(texts),
      uses_(static_cast<std::size_t>((size + 2) * (size + 2))),
      letter_(uses_.size(), 0),
      rowLetters_(static_cast<std::size_t>(size + 2), 0),
      rowMarkers_(rowLetters_),
      columnLetters_(rowLetters_),
      columnMarkers_(rowLetters_),
      characters_(texts),
      rowsOf_(characters_.kinds.size(), rowLetters_),
      columnsOf_(rowsOf_),
      firsts_{rowLetters_, rowLetters_} {}

// visit(x, y, character, kind) for each character, then visit(x, y, 0, -1)
// for the two end-marker cells.
template <typename Visit>
void SolverBoard::ForEachCell(const Placement& p, Visit visit) const {
  const std::u16string& text = texts_[static_cast<std::size_t>(p.word)];
  const int dx = p.down ? 0 : 1, dy = p.down ? 1 : 0;
  const int length = static_cast<int>(text.size());
  work_ += static_cast<std::uint64_t>(length) + 2;
  const std::vector<int>& kinds = characters_.ofWord[static_cast<std::size_t>(p.word)];
  for (int i = 0; i < length; ++i)
    visit(p.x + dx * i, p.y + dy * i, text[static_cast<std::size_t>(i)],
          kinds[static_cast<std::size_t>(i)]);
  visit(p.x - dx, p.y - dy, char16_t{0}, -1);
  visit(p.x + dx * length, p.y + dy * length, char16_t{0}, -1);
}

bool SolverBoard::CanPlace(const Placement& p) const {
  const std::u16string& text = texts_[static_cast<std::size_t>(p.word)];
  const int length = static_cast<int>(text.size());
  const int lastX = p.down ? p.x : p.x + length - 1, lastY = p.down ? p.y + length - 1 : p.y;
  if (p.x < 0 || p.y < 0 || p.x >= n_ || p.y >= n_ || lastX >= n_ || lastY >= n_) return false;
  // Whole lines at a time: no word starting here already, no character on a
  // marker, no marker on a letter; then only the cells already holding a
  // letter are compared.
  const std::size_t line = LineOf(p);
  const std::uint64_t letters = (p.down ? columnLetters_ : rowLetters_)[line],
                      markers = (p.down ? columnMarkers_ : rowMarkers_)[line],
                      firsts = firsts_[p.down][line];
  const int start = (p.down ? p.y : p.x) + 1;  // the bit of the first character
  const std::uint64_t span = ((std::uint64_t{1} << length) - 1) << start,
                      ends = (std::uint64_t{1} << (start - 1)) |
                             (std::uint64_t{1} << (start + length));
  work_ += 2;
  if ((firsts & StartBit(p)) != 0 || (span & markers) != 0 || (ends & letters) != 0) return false;
  for (std::uint64_t shared = span & letters; shared != 0; shared &= shared - 1) {
    const int i = std::countr_zero(shared) - start;
    const int x = p.down ? p.x : p.x + i, y = p.down ? p.y + i : p.y;
    ++work_;
    if (letter_[Index(x, y)] != text[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

void SolverBoard::Place(const Placement& p) {
  runsClosed_.reset();
  firsts_[p.down][LineOf(p)] |= StartBit(p);
  ForEachCell(p, [&](int x, int y, char16_t c, int kind) {
    Uses& cell = uses_[Index(x, y)];
    const auto r = static_cast<std::size_t>(y + 1), k = static_cast<std::size_t>(x + 1);
    const std::uint64_t column = std::uint64_t{1} << k, row = std::uint64_t{1} << r;
    if (c == 0) {
      ++cell.markers;
      rowMarkers_[r] |= column;
      columnMarkers_[k] |= row;
    } else if (++cell.letters == 1) {
      letter_[Index(x, y)] = c;
      rowLetters_[r] |= column;
      columnLetters_[k] |= row;
      rowsOf_[static_cast<std::size_t>(kind)][r] |= column;
      columnsOf_[static_cast<std::size_t>(kind)][k] |= row;
    }
  });
}

void SolverBoard::Remove(const Placement& p) {
  runsClosed_.reset();
  firsts_[p.down][LineOf(p)] &= ~StartBit(p);
  ForEachCell(p, [&](int x, int y, char16_t c, int kind) {
    Uses& cell = uses_[Index(x, y)];
    const auto r = static_cast<std::size_t>(y + 1), k = static_cast<std::size_t>(x + 1);
    const std::uint64_t column = std::uint64_t{1} << k, row = std::uint64_t{1} << r;
    if (c == 0) {
      if (--cell.markers > 0) return;
      rowMarkers_[r] &= ~column;
      columnMarkers_[k] &= ~row;
    } else if (--cell.letters == 0) {
      letter_[Index(x, y)] = 0;
      rowLetters_[r] &= ~column;
      columnLetters_[k] &= ~row;
      rowsOf_[static_cast<std::size_t>(kind)][r] &= ~column;
      columnsOf_[static_cast<std::size_t>(kind)][k] &= ~row;
    }
  });
}

// Along each line (ring included), a letter pair after an empty cell, or
// before one, is a run left open.
template <typename Each>
void SolverBoard::OpenRunsAlong(const std::vector<std::uint64_t>& letters,
                                const std::vector<std::uint64_t>& markers, std::uint64_t line,
                                Each each) {
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const std::uint64_t l = letters[i], empty = ~(l | markers[i]) & line;
    const std::uint64_t pairs = l & (l >> 1);
    if (each(empty & (pairs >> 1)) || each(pairs & (empty >> 2))) return;
  }
}

std::uint64_t SolverBoard::Line() const {
  return n_ + 2 >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << (n_ + 2)) - 1;
}

int SolverBoard::OpenRuns() const {
  CountLinesLookedAt();
  int open = 0;
  auto count = [&](std::uint64_t ends) {
    if (ends != 0) open += std::popcount(ends);  // mostly none, and a count may be a call
    return false;
  };
  OpenRunsAlong(rowLetters_, rowMarkers_, Line(), count);
  OpenRunsAlong(columnLetters_, columnMarkers_, Line(), count);
  return open;
}

bool SolverBoard::RunsClosed() const {
  if (runsClosed_) return *runsClosed_;
  CountLinesLookedAt();
  bool closed = true;
  auto any = [&](std::uint64_t ends) {
    closed = ends == 0;
    return !closed;
  };
  OpenRunsAlong(rowLetters_, rowMarkers_, Line(), any);
  if (closed) OpenRunsAlong(columnLetters_, columnMarkers_, Line(), any);
  runsClosed_ = closed;
  return closed;
}

bool SolverBoard::KeepsRunsClosed(const Placement& p) const {
  const Lines& letters = p.down ? rowLetters_ : columnLetters_;
  const Lines& markers = p.down ? rowMarkers_ : columnMarkers_;
  const int length = static_cast<int>(texts_[static_cast<std::size_t>(p.word)].size());
  const std::uint64_t at = std::uint64_t{1} << LineOf(p);
  work_ += static_cast<std::uint64_t>(length);
  for (int i = 0; i < length; ++i) {
    const auto line = static_cast<std::size_t>((p.down ? p.y : p.x) + i + 1);
    const std::uint64_t gaps = ~(letters[line] | at);
    // The cells just before and after the run through the new character.
    const int before = 63 - std::countl_zero(gaps & (at - 1));
    const int after = std::countr_zero(gaps & ~(at | (at - 1)));
    if (after - before > 2 &&
        (~markers[line] & ((std::uint64_t{1} << before) | (std::uint64_t{1} << after))) != 0)
      return false;
  }
  return true;
}

int SolverBoard::Components() const {
  // The runs of letters along each row, joined with the runs they touch in
  // the row before: each join of two groups leaves one group fewer.
  std::vector<std::uint64_t>& bits = runBits_;
  std::vector<int>& parent = runParents_;
  bits.clear();
  parent.clear();
  auto root = [&](int r) {
    while (parent[static_cast<std::size_t>(r)] != r)
      r = parent[static_cast<std::size_t>(r)] =
          parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(r)])];
    return r;
  };
  int groups = 0;
  std::size_t before = 0, begin = 0;  // the runs of the row before, from `before` to `begin`
  for (const std::uint64_t letters : rowLetters_) {
    begin = bits.size();
    for (std::uint64_t left = letters; left != 0;) {
      const std::uint64_t run = left & ~(left + (left & (~left + 1)));
      left &= ~run;
      const int self = static_cast<int>(bits.size());
      bits.push_back(run);
      parent.push_back(self);
      ++groups;
      ++work_;
      for (std::size_t above = before; above < begin; ++above) {
        if ((bits[above] & run) == 0) continue;
        const int a = root(static_cast<int>(above)), b = root(self);
        if (a == b) continue;
        parent[static_cast<std::size_t>(a)] = b;
        --groups;
      }
    }
    before = begin;
  }
  return groups;
}
