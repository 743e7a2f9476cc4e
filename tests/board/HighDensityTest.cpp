// The game on a screen of twice the density, reached either through the
// desktop's scale (QT_SCALE_FACTOR=2) or the game's own zoom of 200 %: the
// board is drawn at the screen's resolution, and play keeps its logical pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>

#include "app/Formain.h"
#include "app/GameApp.h"
#include "board/BoardCanvas.h"
#include "board/BoardPicture.h"
#include "board/BoardRebuild.h"
#include "fakes/TempFolder.h"
#include "platform/Fonts.h"
#include "platform/ScreenScale.h"

namespace {

class SilentOutput : public WaveOutput {
 public:
  void Play(const Bytes&) override {}
};

int NonWhite(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
  return count;
}

TEST(HighDensity, TheBoardIsDrawnAtTwiceTheResolutionWithSharpLinesAndFullerGlyphs) {
  TempFolder folder;
  QDir().mkpath(QString::fromStdString(folder.Path("Data")));
  SilentOutput output;
  GameApp app(QString::fromStdString(folder.Path()), output);
  app.StartUp();
  app.OpenAtStart(QStringLiteral(TSUBURA_SAMPLES "/ookii.tbr"));  // 30 x 30
  PuzzleState& puzzle = app.State().Puzzle;
  ASSERT_EQ(puzzle.BoardSize, 30);
  WordEntry& word = puzzle.Word(1);
  word.Placed = 1;
  word.Column = 2;
  word.Row = 3;
  app.RunPass();

  const BoardPicture& board = *app.Window().Pimain;
  const QImage& shown = board.Picture();
  ASSERT_EQ(shown.devicePixelRatio(), 2.0);
  ASSERT_EQ(shown.size(), QSize(502, 502));
  EXPECT_EQ(board.size(), QSize(251, 251)) << "the geometry stays in logical pixels";

  // Across a row of empty cells every grid line is two device pixels of pure
  // black, every other pixel white: the lines are not blurred.
  const int row = 2 * 200 + 5;
  int runs = 0;
  for (int x = 0; x < shown.width();) {
    const QRgb p = shown.pixel(x, row);
    ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x;
    int end = x;
    while (end < shown.width() && shown.pixel(end, row) == p) ++end;
    if (p == qRgb(0, 0, 0)) {
      EXPECT_EQ(end - x, 2) << x;
      ++runs;
    }
    x = end;
  }
  EXPECT_EQ(runs, 31) << "the frame's two sides and 29 lines";

  // The placed word's ink against the same board drawn at 1x.
  const BoardPaint paint = PaintBoard(puzzle, app.State().Settings, 251, 251);
  BoardPaint grid = paint;
  grid.cells.clear();
  BoardCanvas canvas;
  canvas.SetFont(FaceByName(QStringLiteral("ＭＳ ゴシック")), board.BoardFont().pixelSize());
  const int gridInk2 = NonWhite(canvas.Paint(grid, board.size(), 2));
  const int inkAt1 = NonWhite(canvas.Paint(paint, board.size(), 1)) -
                     NonWhite(canvas.Paint(grid, board.size(), 1));
  const int inkAt2 = NonWhite(shown) - gridInk2;
  EXPECT_GT(inkAt1, 0);
  EXPECT_GE(inkAt2, 3 * inkAt1);

  // The sprites come from an icon large enough for the density.
  const QPixmap sprite = app.Window().PicGra[0]->pixmap();
  EXPECT_EQ(sprite.devicePixelRatio(), 2.0);
  EXPECT_EQ(sprite.size(), QSize(96, 96));
}

}  // namespace

// Started like the game: the stored zoom becomes Qt's scale factor before the
// application exists.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication::setApplicationName(QStringLiteral("tsubura"));
  ScaleScreenForZoom();
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
