#include <QLabel>

#include "board/BoardPicture.h"
#include "platform/QtColour.h"
#include "widgets/GameFixture.h"

namespace {

class Redraw : public GameFixture {
 protected:
  // A 10-cell board with "ねこ" across from (3, 4).
  void SetUp() override {
    GameFixture::SetUp();
    PuzzleState& p = State().Puzzle;
    p.BoardSize = 10;
    p.WordCount = 1;
    p.Word(1).Text = u"ねこ";
    p.Word(1).Placed = 1;
    p.Word(1).Column = 3;
    p.Word(1).Row = 4;
    p.Word(1).SetLabelColours(ColourPlaced);
  }

  const QImage& Picture() { return Window().Pimain->Picture(); }

  // How many pixels of the cell (x, y) of a 10-cell board have this colour.
  int CountInCell(int x, int y, QColor colour) {
    int count = 0;
    for (int py = y * 25 + 1; py < y * 25 + 24; ++py) {
      for (int px = x * 25 + 1; px < x * 25 + 24; ++px) {
        if (Picture().pixelColor(px, py) == colour) ++count;
      }
    }
    return count;
  }
};

TEST_F(Redraw, GridLinesLieOnePixelBeforeEachPitch) {
  app->Redraw();
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(Picture().pixelColor(i * 25 - 1, 100), QColor(Qt::black)) << i;
    EXPECT_EQ(Picture().pixelColor(100 + 12, i * 25 - 1), QColor(Qt::black)) << i;
  }
  EXPECT_EQ(Picture().pixelColor(10, 12), QColor(Qt::white));
}

TEST_F(Redraw, WordsAreBlackAndEndMarkersFollowTheCrossStyle) {
  app->Redraw();
  EXPECT_GT(CountInCell(3, 4, Qt::black), 10);
  EXPECT_GT(CountInCell(2, 4, QColor(255, 0, 0)), 10);
  EXPECT_GT(CountInCell(5, 4, QColor(255, 0, 0)), 10);

  State().Settings.CrossStyle = 2;
  app->Redraw();
  EXPECT_EQ(CountInCell(2, 4, QColor(255, 0, 0)), 0);
  EXPECT_GT(CountInCell(2, 4, QColor(253, 253, 253)), 5);

  State().Settings.CrossStyle = 4;
  app->Redraw();
  EXPECT_EQ(CountInCell(2, 4, Qt::white), 23 * 23);
}

TEST_F(Redraw, ShownWordIsPaintedOrangeAndAProbedCellGreen) {
  State().Puzzle.Word(1).SetLabelColours(ColourShown);
  app->Redraw();
  EXPECT_GT(CountInCell(3, 4, QColor(255, 128, 0)), 10);
  EXPECT_GT(CountInCell(4, 4, QColor(255, 128, 0)), 10);
  EXPECT_EQ(CountInCell(3, 4, Qt::black), 0);

  State().Puzzle.CellMark.Fill(kMarkNone);
  State().Puzzle.Word(1).SetLabelColours(ColourPlaced);
  State().Puzzle.CellMark(4, 4) = kMarkProbed;
  app->Redraw();
  EXPECT_GT(CountInCell(4, 4, QColor(0, 255, 0)), 10);
  EXPECT_EQ(CountInCell(3, 4, QColor(255, 128, 0)), 0) << "the picture shows no stale orange";
}

TEST_F(Redraw, RainbowCellColoursOverrideTheMarks) {
  State().Settings.BoardFont = kFontRainbow;
  State().Puzzle.CellColour(3, 4) = 0x563412;
  State().Puzzle.CellMark(3, 4) = kMarkProbed;
  app->Redraw();
  EXPECT_GT(CountInCell(3, 4, ToQColor(0x563412)), 10);
  EXPECT_EQ(CountInCell(3, 4, QColor(0, 255, 0)), 0);
}

TEST_F(Redraw, NowTurnsRedWhileTheBoardIsIncomplete) {
  State().Puzzle.Incomplete = 1;
  State().Puzzle.Score = 120;
  app->Redraw();
  EXPECT_EQ(Window().Lg2->text(), QStringLiteral("NOW:120　"));
  EXPECT_EQ(Window().Lg2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  State().Puzzle.Incomplete = 0;
  app->Redraw();
  EXPECT_EQ(Window().Lg2->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(Redraw, AnIdleGameRepaintsNothing) {
  app->RunPass();
  const int renders = Window().Pimain->RenderCount();
  for (int i = 0; i < 5; ++i) app->RunPass();
  EXPECT_EQ(Window().Pimain->RenderCount(), renders);

  State().Puzzle.Word(1).Placed = 0;
  app->RunPass();
  EXPECT_EQ(Window().Pimain->RenderCount(), renders + 1);
  EXPECT_EQ(CountInCell(3, 4, Qt::black), 0) << "a removed word leaves no paint behind";

  app->ClearPicture();
  app->RunPass();
  EXPECT_EQ(Window().Pimain->RenderCount(), renders + 2);
}

TEST_F(Redraw, BoardTextIsNeverSmallerThanSixPixels) {
  BoardPicture& picture = *Window().Pimain;
  picture.SetFontPoints(0);
  EXPECT_EQ(picture.BoardFont().pixelSize(), 6);
  picture.SetFontPoints(0.75);
  EXPECT_EQ(picture.BoardFont().pixelSize(), 6);
  picture.SetFontPoints(15);
  EXPECT_EQ(picture.BoardFont().pixelSize(), 20);
}

TEST_F(Redraw, TheVerticalFaceTurnsEachGlyphInItsCell) {
  State().Puzzle.Word(1).Text = u"ー";  // a horizontal bar turns upright
  app->Redraw();
  auto extent = [this] {
    int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
    for (int py = 101; py < 124; ++py) {
      for (int px = 76; px < 99; ++px) {
        if (Picture().pixelColor(px, py) == QColor(Qt::black)) {
          minX = std::min(minX, px), maxX = std::max(maxX, px);
          minY = std::min(minY, py), maxY = std::max(maxY, py);
        }
      }
    }
    return std::pair{maxX - minX, maxY - minY};
  };
  const auto [flatWidth, flatHeight] = extent();
  EXPECT_GT(flatWidth, flatHeight);
  State().Settings.BoardFont = kFontVerticalGothic;
  app->ApplyAppearance();
  app->Redraw();
  const auto [turnedWidth, turnedHeight] = extent();
  EXPECT_LT(turnedWidth, turnedHeight);
}

}  // namespace
