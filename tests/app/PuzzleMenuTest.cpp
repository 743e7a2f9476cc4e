#include <QAction>
#include <QTest>

#include "board/BoardPicture.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

using PuzzleMenu = GameFixture;

TEST_F(PuzzleMenu, UndoAndRedoAreEnabledWithAStepToTakeAndAnswerTheirKeys) {
  auto enabled = [this](const char* name) {
    return Window().MenuItem(QString::fromUtf8(name))->isEnabled();
  };
  EXPECT_FALSE(enabled("元に戻す"));
  EXPECT_FALSE(enabled("やり直し"));
  EXPECT_FALSE(enabled("最高点を探す")) << "before the first open";
  app->OpenAtStart(QStringLiteral(TSUBURA_SAMPLES "/hajimete.tbr"));
  app->RunPass();
  EXPECT_FALSE(enabled("元に戻す"));
  EXPECT_TRUE(enabled("最高点を探す"));

  // ねこ across from the top left cell.
  QTest::mouseClick(Window().La[1], Qt::LeftButton);
  QTest::mouseClick(Window().Pimain, Qt::LeftButton, {}, QPoint(15, 15));
  app->RunPass();
  ASSERT_EQ(State().Puzzle.Word(1).Placed, 1);
  EXPECT_TRUE(enabled("元に戻す"));
  EXPECT_FALSE(enabled("やり直し"));

  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int placed;
  } keys[] = {{Qt::Key_Z, Qt::ControlModifier, 0},
              {Qt::Key_Y, Qt::ControlModifier, 1},
              {Qt::Key_Z, Qt::ControlModifier, 0},
              {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 1}};
  for (const auto& [key, modifiers, placed] : keys) {
    QTest::keyClick(Window().windowHandle(), key, modifiers);
    app->RunPass();
    EXPECT_EQ(State().Puzzle.Word(1).Placed, placed)
        << QKeySequence(key | modifiers).toString().toStdString();
    EXPECT_EQ(enabled("元に戻す"), placed == 1);
    EXPECT_EQ(enabled("やり直し"), placed == 0);
  }
}

}  // namespace
