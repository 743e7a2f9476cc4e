// パズルを選ぶ through the real window: the puzzles played are listed most
// recent first, sort, filter, and Return opens one as it was left.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "board/BoardPicture.h"
#include "chooser/PuzzleChooser.h"
#include "files/PuzzleFiles.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

class Chooser : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    for (int words : {2, 3, 4}) {
      const QString path = AppDir() + QStringLiteral("/p%1.tbr").arg(words);
      WriteTestPuzzle(path.toStdString(), TestPuzzle(words, true, 0, 5));
      DialogAnswerer answerer({}, {path});
      Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
      app->RunPass();
      if (words == 3) {  // p3 is left with its first word placed
        QTest::mouseClick(Window().La[1], Qt::LeftButton);
        QTest::mouseClick(Window().Pimain, Qt::RightButton, {}, QPoint(25, 25));
        app->RunPass();
      }
    }
  }

  PuzzleChooser* OpenChooser() {
    Window().MenuItem(QStringLiteral("パズルを選ぶ"))->trigger();
    auto* chooser = Window().findChild<PuzzleChooser*>();
    chooser->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(chooser));
    EXPECT_TRUE(PassesUntil([chooser] { return chooser->List->model()->rowCount() > 0; }))
        << "the list comes when the records have it";
    return chooser;
  }
  static QStringList Names(PuzzleChooser* chooser) {
    QStringList names;
    for (int row = 0; row < chooser->List->model()->rowCount(); ++row)
      names << chooser->List->model()->index(row, 0).data().toString();
    return names;
  }
};

TEST_F(Chooser, ListsSortsFiltersAndOpensWithReturn) {
  PuzzleChooser* chooser = OpenChooser();
  EXPECT_EQ(chooser->windowTitle(), QStringLiteral("パズルを選ぶ"));
  EXPECT_FALSE(chooser->isModal());
  EXPECT_EQ(Names(chooser), QStringList({"p4", "p3", "p2"})) << "most recently played first";
  EXPECT_TRUE(chooser->List->hasFocus());
  EXPECT_TRUE(chooser->List->selectionModel()->isRowSelected(0));
  EXPECT_FALSE(chooser->Preview->pixmap().isNull());

  chooser->List->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);  // 言葉
  EXPECT_EQ(Names(chooser), QStringList({"p2", "p3", "p4"}));
  QTest::keyClicks(chooser->Filter, QStringLiteral("3"));
  EXPECT_EQ(Names(chooser), QStringList({"p3"}));

  chooser->List->setFocus();
  chooser->List->selectRow(0);
  QPointer<PuzzleChooser> watched(chooser);
  QTest::keyClick(chooser->List, Qt::Key_Return);
  EXPECT_TRUE(PassesUntil([&watched] { return Gone(watched); }));
  EXPECT_EQ(State().Puzzle.WordCount, 3);
  EXPECT_EQ(State().Puzzle.Word(1).Placed, 1) << "the board as the player left it";
  EXPECT_EQ(State().OpenedPath, (AppDir() + "/p3.tbr").toStdString());
}

TEST_F(Chooser, APuzzleWhoseFileIsGoneOpensFromTheRecords) {
  std::filesystem::remove((AppDir() + "/p3.tbr").toStdString());
  PuzzleChooser* chooser = OpenChooser();
  chooser->List->selectRow(1);
  QTest::mouseClick(chooser->OpenButton, Qt::LeftButton);
  PassesUntil([this] { return State().Puzzle.WordCount == 3; });
  EXPECT_EQ(State().Puzzle.WordCount, 3);
  EXPECT_EQ(State().Puzzle.Word(1).Placed, 1);
  EXPECT_EQ(State().OpenedPath, "");
  EXPECT_EQ(State().MadeName, "p3") << "Save As names it as before";
}

}  // namespace
