#include "words/BCheck.h"

#include <array>
#include <vector>

namespace {

enum Point : std::uint8_t { kWhite, kBlack, kRed };

// The check canvas: points 0 … N + 1 each way, white, black or red.
class Canvas {
 public:
  void PaintWhite() { points_.fill(kWhite); }
  Point& operator()(int x, int y) { return points_[static_cast<std::size_t>(y * kSide + x)]; }
  static constexpr int kSide = kMaxBoardSize + 2;

 private:
  std::array<Point, kSide * kSide> points_{};
};

bool IsLetter(char16_t cell) {
  return cell != kEmptyCell && cell != kEndMarker;
}

// The fill from the start cell, depth first: right, down, left, up, each
// neighbour entered as soon as it is found. An explicit stack of frames keeps
// that order without deep recursion; the count is the number of cells visited.
int SAIKR(Canvas& canvas, Grid<std::uint8_t>& visited, int n, int startX, int startY) {
  struct Frame {
    int x, y, next;
  };
  std::vector<Frame> stack;
  stack.reserve(static_cast<std::size_t>(n * n + 1));
  int reached = 0;
  auto enter = [&](int x, int y) {
    visited(x, y) = 1;
    ++reached;
    stack.push_back({x, y, 0});
  };
  enter(startX, startY);
  while (!stack.empty()) {
    Frame& f = stack.back();
    if (f.next == 4) {
      stack.pop_back();
      continue;
    }
    static constexpr std::array<std::array<int, 2>, 4> kSteps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
    const int x = f.x + kSteps[f.next][0], y = f.y + kSteps[f.next][1];
    ++f.next;
    if (x < 0 || y < 0 || x > n - 1 || y > n - 1) continue;
    if (visited(x, y) == 0 && canvas(x, y) == kBlack) enter(x, y);
  }
  return reached;
}

// A letter pair beside an empty point: the three points from p, `step` apart.
inline bool OpenRun(const Point* p, int step) {
  const Point a = p[0], b = p[step], d = p[2 * step];
  return b == kBlack && ((a == kWhite && d == kBlack) || (a == kBlack && d == kWhite));
}

}  // namespace

void BCheck(PuzzleState& puzzle) {
  const int n = puzzle.BoardSize;
  puzzle.Incomplete = 0;
  Canvas canvas;
  Grid<std::uint8_t> visited;

  // First layout: letters black, one point per cell.
  canvas.PaintWhite();
  int letterCount = 0, startX = 0, startY = 0;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if (!IsLetter(puzzle.Board(x, y))) continue;
      canvas(x, y) = kBlack;
      ++letterCount;
      startX = x;
      startY = y;
    }
  }
  if (SAIKR(canvas, visited, n, startX, startY) < letterCount) puzzle.Incomplete = 1;

  // Second layout, shifted by one so the ring lands on the canvas edge: letters
  // black, end markers red. A red point matches no pattern.
  canvas.PaintWhite();
  for (int y = -1; y <= n; ++y) {
    for (int x = -1; x <= n; ++x) {
      const char16_t cell = puzzle.Board(x, y);
      if (cell == kEndMarker)
        canvas(x + 1, y + 1) = kRed;
      else if (IsLetter(cell))
        canvas(x + 1, y + 1) = kBlack;
    }
  }
  // Every window of three along every row and column; one open run is enough.
  for (int line = 0; line <= n + 1 && puzzle.Incomplete == 0; ++line) {
    for (int start = 0; start <= n - 1; ++start) {
      if (OpenRun(&canvas(start, line), 1) || OpenRun(&canvas(line, start), Canvas::kSide)) {
        puzzle.Incomplete = 1;
        break;
      }
    }
  }
}

void CheckAndRaiseBestScore(PuzzleState& puzzle) {
  BCheck(puzzle);
  if (puzzle.Incomplete == 0 && puzzle.BestScore < puzzle.Score) puzzle.BestScore = puzzle.Score;
}
