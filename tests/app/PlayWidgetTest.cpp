#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "board/BoardPicture.h"
#include "files/PuzzleFiles.h"
#include "platform/QtColour.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

// A whole game through the real widgets: a 5-cell board, clicked at pixels.
class Play : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    PuzzleFile file = TestPuzzle(0, true, 0, 5);
    const std::u16string words[] = {u"ねこ", u"こま", u"まり", u"りす", u"すし", u"しか"};
    for (const std::u16string& w : words) {
      const std::int32_t points = 10 * (file.WordCount + 1);
      file.Entries[static_cast<std::size_t>(file.WordCount++)] = {w, points};
    }
    file.MaxWordLength = 2;
    const QString path = AppDir() + "/play.tbr";
    WriteTestPuzzle(path.toStdString(), file);
    DialogAnswerer answerer({}, {path});
    Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
    app->RunPass();
  }

  PuzzleState& Puzzle() { return State().Puzzle; }
  QPoint CellCentre(int x, int y) { return QPoint(x * 50 + 25, y * 50 + 25); }
  void ClickLabel(int k, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Window().La[k], button);
    app->RunPass();
  }
  void ClickCell(int x, int y, Qt::MouseButton button) {
    QTest::mouseClick(Window().Pimain, button, {}, CellCentre(x, y));
    app->RunPass();
  }
  QColor LabelColour(int k) { return Window().La[k]->palette().color(QPalette::WindowText); }
  int CellPixels(int x, int y, QColor colour) {
    const QImage& image = Window().Pimain->Picture();
    int count = 0;
    for (int py = y * 50 + 1; py < y * 50 + 48; ++py)
      for (int px = x * 50 + 1; px < x * 50 + 48; ++px) count += image.pixelColor(px, py) == colour;
    return count;
  }
  void ExpectCounters(const char* placed, const char* now, const char* max, bool red) {
    EXPECT_EQ(Window().Lg1->text(), QString::fromUtf8(placed));
    EXPECT_EQ(Window().Lg2->text(), QString::fromUtf8(now));
    EXPECT_EQ(Window().Lg3->text(), QString::fromUtf8(max));
    EXPECT_EQ(Window().Lg2->palette().color(QPalette::WindowText),
              red ? QColor(255, 0, 0) : QColor(0, 0, 0));
  }
  void PressKey(Qt::Key key) {
    QTest::keyPress(Window().windowHandle(), key);
    app->RunPass();
    QTest::keyRelease(Window().windowHandle(), key);
    app->RunPass();
  }
};

TEST_F(Play, AGameFromFirstWordToClearAll) {
  // Select by label, place across with the left button.
  ClickLabel(1);
  EXPECT_EQ(LabelColour(1), QColor(128, 128, 255));
  ClickCell(0, 0, Qt::LeftButton);
  EXPECT_EQ(Puzzle().Word(1).Placed, 1);
  EXPECT_EQ(LabelColour(1), QColor(255, 255, 255));
  EXPECT_GT(CellPixels(0, 0, Qt::black), 20);
  EXPECT_GT(CellPixels(2, 0, QColor(255, 0, 0)), 20) << "the closing end marker";
  ExpectCounters("1個", "NOW:10点", "MAX:10点", false);

  // Down with the right button, crossing the こ.
  ClickLabel(2);
  ClickCell(1, 0, Qt::RightButton);
  EXPECT_EQ(Puzzle().Word(2).Direction, 1);
  ExpectCounters("2個", "NOW:30点", "MAX:30点", false);

  // まり down from the こ does not fit; across from the ま it does.
  ClickLabel(3);
  ClickCell(1, 0, Qt::RightButton);
  EXPECT_EQ(Puzzle().Word(3).Placed, 0);
  EXPECT_EQ(LabelColour(3), QColor(128, 128, 255));
  ClickCell(1, 1, Qt::LeftButton);
  EXPECT_EQ(Puzzle().Word(3).Placed, 1);
  ExpectCounters("3個", "NOW:60点", "MAX:60点", false);

  // りす after ねこ's end marker: the two share it; the board is incomplete.
  ClickLabel(4);
  ClickCell(3, 0, Qt::LeftButton);
  EXPECT_EQ(Puzzle().Word(4).Placed, 1);
  EXPECT_EQ(Puzzle().Board(2, 0), kEndMarker);
  ExpectCounters("4個", "NOW:100点", "MAX:60点", true);

  // Taking りす back: the board is complete again, the best score stays.
  ClickLabel(4);
  EXPECT_EQ(Puzzle().Word(4).Placed, 0);
  EXPECT_EQ(CellPixels(3, 0, Qt::black), 0);
  ExpectCounters("3個", "NOW:60点", "MAX:60点", false);

  // Showing ねこ while the right button is held.
  QTest::mousePress(Window().La[1], Qt::RightButton);
  app->RunPass();
  EXPECT_EQ(LabelColour(1), QColor(255, 128, 0));
  EXPECT_GT(CellPixels(0, 0, QColor(255, 128, 0)), 20);
  EXPECT_EQ(CellPixels(2, 0, QColor(255, 128, 0)), 0) << "end markers are not shown";
  QTest::mouseRelease(Window().La[1], Qt::RightButton);
  app->RunPass();
  EXPECT_EQ(LabelColour(1), QColor(255, 255, 255));
  EXPECT_EQ(CellPixels(0, 0, QColor(255, 128, 0)), 0);

  // Probing the ま: the cell and every word holding it turn green.
  QTest::mousePress(Window().Pimain, Qt::LeftButton, {}, CellCentre(1, 1));
  app->RunPass();
  EXPECT_GT(CellPixels(1, 1, QColor(0, 255, 0)), 20);
  EXPECT_EQ(LabelColour(2), QColor(0, 255, 0));
  EXPECT_EQ(LabelColour(3), QColor(0, 255, 0));
  EXPECT_EQ(LabelColour(1), QColor(255, 255, 255));
  QTest::mouseRelease(Window().Pimain, Qt::LeftButton, {}, CellCentre(1, 1));
  app->RunPass();
  EXPECT_EQ(CellPixels(1, 1, QColor(0, 255, 0)), 0);
  EXPECT_EQ(LabelColour(2), QColor(255, 255, 255));
}

TEST_F(Play, ArrowKeysWalkTheUnplacedWordsAndWrap) {
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  PressKey(Qt::Key_Down);
  EXPECT_EQ(Puzzle().SelectedWord, 0) << "no selection: the keys do nothing";
  ClickLabel(1);
  ClickCell(0, 0, Qt::LeftButton);
  ClickLabel(5);
  PressKey(Qt::Key_Down);
  EXPECT_EQ(Puzzle().SelectedWord, 6);
  EXPECT_EQ(LabelColour(6), QColor(128, 128, 255));
  EXPECT_EQ(LabelColour(5), QColor(0, 0, 0));
  PressKey(Qt::Key_Down);
  EXPECT_EQ(Puzzle().SelectedWord, 2) << "past the end, over the placed ねこ";
  PressKey(Qt::Key_Up);
  EXPECT_EQ(Puzzle().SelectedWord, 6);
  PressKey(Qt::Key_Left);
  EXPECT_EQ(Puzzle().SelectedWord, 3);
  PressKey(Qt::Key_Right);
  EXPECT_EQ(Puzzle().SelectedWord, 6);
}

TEST_F(Play, ShiftingIsRefusedAtTheEdgeAndAllowedAway) {
  ClickLabel(1);
  ClickCell(0, 2, Qt::LeftButton);
  QTest::mouseClick(Window().Co[0], Qt::LeftButton);
  app->RunPass();
  EXPECT_EQ(Puzzle().Word(1).Column, 0);
  QTest::mouseClick(Window().Co[1], Qt::LeftButton);
  app->RunPass();
  EXPECT_EQ(Puzzle().Word(1).Column, 1);
  EXPECT_TRUE(Window().Pimain->hasFocus() || !Window().isActiveWindow());
  EXPECT_GT(CellPixels(1, 2, Qt::black), 20);
  EXPECT_EQ(CellPixels(0, 2, Qt::black), 0) << "the old place is painted over";
  Window().MenuItem(QStringLiteral("下へ移動する"))->trigger();
  app->RunPass();
  EXPECT_EQ(Puzzle().Word(1).Row, 3);
}

TEST_F(Play, ClearAllInEveryMessageMode) {
  struct ModeCase {
    std::int16_t mode;
    std::deque<int> answers;
    bool clears;
  };
  for (const ModeCase& c :
       {ModeCase{0, {1}, false}, ModeCase{0, {0}, true}, ModeCase{1, {}, true},
        ModeCase{2, {0, 1, 0}, false}, ModeCase{2, {0, 1, 1}, true}, ModeCase{3, {0}, true}}) {
    SCOPED_TRACE(c.mode);
    if (Puzzle().Word(1).Placed != 1) {
      ClickLabel(1);
      ClickCell(0, 0, Qt::LeftButton);
    }
    State().Settings.MessageMode = c.mode;
    {
      DialogAnswerer answerer(c.answers);
      QTest::mouseClick(Window().Coc, Qt::LeftButton);
    }
    app->RunPass();
    EXPECT_EQ(Puzzle().Word(1).Placed, c.clears ? 0 : 1);
    if (c.clears) {
      ExpectCounters("0個", "NOW:0点", "MAX:10点", false);
      EXPECT_EQ(LabelColour(1), QColor(0, 0, 0));
      EXPECT_EQ(CellPixels(0, 0, Qt::black), 0);
    }
  }
}

}  // namespace
