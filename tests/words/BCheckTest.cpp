#include <gtest/gtest.h>

#include <random>

#include "board/BoardRebuild.h"
#include "words/BCheck.h"

namespace {

// Builds a board from placed words: {text, column, row, direction}.
struct Placement {
  std::u16string text;
  int column, row, direction;
};

int Check(int size, std::initializer_list<Placement> words) {
  PuzzleState p;
  p.BoardSize = static_cast<std::int16_t>(size);
  for (const Placement& w : words) {
    WordEntry& e = p.Word(++p.WordCount);
    e.Text = w.text;
    e.Placed = 1;
    e.Column = static_cast<std::int16_t>(w.column);
    e.Row = static_cast<std::int16_t>(w.row);
    e.Direction = static_cast<std::int16_t>(w.direction);
  }
  RebuildBoard(p);
  BCheck(p);
  const int first = p.Incomplete;
  BCheck(p);
  EXPECT_EQ(p.Incomplete, first) << "a second check gives the same flag";
  return first;
}

TEST(BCheck, EmptyBoardAndSingleWordsAreComplete) {
  EXPECT_EQ(Check(5, {}), 0);
  EXPECT_EQ(Check(0, {}), 0);
  EXPECT_EQ(Check(5, {{u"ねこ", 1, 1, 0}}), 0);
  EXPECT_EQ(Check(5, {{u"ね", 1, 1, 0}}), 0);
}

TEST(BCheck, CrossingWordsAreCompleteAndSeparateOnesAreNot) {
  EXPECT_EQ(Check(6, {{u"すし", 1, 1, 0}, {u"しお", 2, 1, 1}}), 0);
  EXPECT_EQ(Check(6, {{u"すし", 0, 0, 0}, {u"しお", 3, 3, 0}}), 1);
}

TEST(BCheck, DiagonalContactDoesNotConnect) {
  // Two single letters touching at a corner, each closed by its markers.
  EXPECT_EQ(Check(6, {{u"あ", 1, 1, 0}, {u"い", 2, 2, 0}}), 1);
}

TEST(BCheck, LettersSideBySideNeedMarkersAtBothEndsOfTheirRow) {
  // Two down words in neighbouring columns: rows 1 and 2 each hold a pair of
  // letters with empty cells left and right of it.
  PuzzleState p;
  p.BoardSize = 6;
  p.WordCount = 2;
  p.Word(1) = {u"あい", 0, 1, 1, 1, 1};
  p.Word(2) = {u"うえ", 0, 1, 2, 1, 1};
  RebuildBoard(p);
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 1);
  // With end markers on both sides of each pair, the rows pass.
  for (int row : {1, 2}) p.Board(0, row) = p.Board(3, row) = kEndMarker;
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 0);
}

TEST(BCheck, WordsAtTheEdgeAreClosedByTheRing) {
  EXPECT_EQ(Check(4, {{u"あいうえ", 0, 0, 0}}), 0);
  EXPECT_EQ(Check(4, {{u"あいうえ", 3, 0, 1}}), 0);
  // A pair of letters at columns N-2 and N-1 with nothing in the ring.
  PuzzleState p;
  p.BoardSize = 4;
  p.Board(2, 1) = u'あ';
  p.Board(3, 1) = u'い';
  p.Board(1, 1) = kEndMarker;
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 1);
  p.Board(4, 1) = kEndMarker;
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 0);
}

// The rules written plainly: the letters form one four-connected group, and
// every run of two or more letters along a row or a column has an end marker
// right before and right after it.
int SimpleCheck(const PuzzleState& p) {
  const int n = p.BoardSize;
  auto letter = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < n && y < n && p.Board(x, y) != kEmptyCell &&
           p.Board(x, y) != kEndMarker;
  };
  std::vector<std::pair<int, int>> letters;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (letter(x, y)) letters.emplace_back(x, y);
  if (!letters.empty()) {
    std::vector<std::vector<bool>> seen(n, std::vector<bool>(n));
    std::vector<std::pair<int, int>> todo{letters.front()};
    seen[letters.front().first][letters.front().second] = true;
    std::size_t reached = 0;
    while (!todo.empty()) {
      auto [x, y] = todo.back();
      todo.pop_back();
      ++reached;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (letter(x + dx, y + dy) && !seen[x + dx][y + dy]) {
          seen[x + dx][y + dy] = true;
          todo.emplace_back(x + dx, y + dy);
        }
      }
    }
    if (reached != letters.size()) return 1;
  }
  for (int line = 0; line < n; ++line) {
    for (bool across : {true, false}) {
      auto at = [&](int i) { return across ? std::pair{i, line} : std::pair{line, i}; };
      for (int i = 0; i < n;) {
        if (!letter(at(i).first, at(i).second)) {
          ++i;
          continue;
        }
        int j = i;
        while (j < n && letter(at(j).first, at(j).second)) ++j;
        const auto before = at(i - 1), after = at(j);
        if (j - i >= 2 && (p.Board(before.first, before.second) != kEndMarker ||
                           p.Board(after.first, after.second) != kEndMarker)) {
          return 1;
        }
        i = j;
      }
    }
  }
  return 0;
}

TEST(BCheck, AgreesWithThePlainRulesOnRandomBoards) {
  std::mt19937 random(20261207);
  int complete = 0;
  for (int round = 0; round < 4000; ++round) {
    PuzzleState p;
    const int n = 1 + static_cast<int>(random() % 8);
    p.BoardSize = static_cast<std::int16_t>(n);
    const int letterShare = static_cast<int>(random() % 70);
    for (int y = -1; y <= n; ++y) {
      for (int x = -1; x <= n; ++x) {
        const bool ring = x < 0 || y < 0 || x == n || y == n;
        const int roll = static_cast<int>(random() % 100);
        if (roll < 20)
          p.Board(x, y) = kEndMarker;
        else if (!ring && roll < 20 + letterShare)
          p.Board(x, y) = u'字';
      }
    }
    BCheck(p);
    ASSERT_EQ(p.Incomplete, SimpleCheck(p)) << "round " << round;
    complete += p.Incomplete == 0;
  }
  EXPECT_GT(complete, 200) << "the random boards should hold complete ones too";
}

TEST(BCheck, AFullBoardSnakeIsFilledToTheEnd) {
  // A 30-cell board filled with letters bar a comb of markers that makes one
  // long path: the deepest fill there is.
  PuzzleState p;
  p.BoardSize = 30;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) p.Board(x, y) = u'字';
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 1) << "runs touching the empty ring are open";
  for (int i = -1; i <= 30; ++i) {
    p.Board(i, -1) = p.Board(i, 30) = p.Board(-1, i) = p.Board(30, i) = kEndMarker;
  }
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 0);
  p.Board(29, 29) = kEmptyCell;
  p.Board(27, 29) = kEndMarker;
  BCheck(p);
  EXPECT_EQ(p.Incomplete, 1) << "the pair before the hole has no marker after it";
}

}  // namespace
