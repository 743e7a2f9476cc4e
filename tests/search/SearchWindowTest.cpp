#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "files/PuzzleFiles.h"
#include "search/SearchWindow.h"
#include "widgets/GameFixture.h"

namespace {

// Four words that all end in ん, on a board of six: the best arrangement is
// proven at once.
class Search : public GameFixture {
 protected:
  void Open(const PuzzleFile& file) {
    const QString path = AppDir() + "/search.tbr";
    WriteTestPuzzle(path.toStdString(), file);
    app->OpenAtStart(path);
    app->RunPass();
  }
  SearchWindow* StartSearch() {
    Window().MenuItem(QStringLiteral("最高点を探す"))->trigger();
    return Window().findChild<SearchWindow*>();
  }
};

TEST_F(Search, ReturnPlacesTheProvenBestAsOneStepThatUndoTakesBack) {
  Open(TestPuzzle(4, true, 1, 6));
  const std::vector<StoredWord> players = PuzzleFileOf(State().Puzzle, true).Entries;
  QPointer<SearchWindow> search = StartSearch();
  ASSERT_TRUE(search);
  EXPECT_EQ(search->windowTitle(), QStringLiteral("最高点を探す"));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return search->Status->text() == QStringLiteral("これが最高点です"); }, 30000));
  const QString best = search->Best->text();
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_TRUE(Gone(search));
  app->RunPass();
  EXPECT_EQ(Window().Lg2->text(), QStringLiteral("NOW:") + best);
  EXPECT_EQ(State().Puzzle.Incomplete, 0);
  EXPECT_GT(State().Puzzle.PlacedCount, 1);

  Window().MenuItem(QStringLiteral("元に戻す"))->trigger();
  EXPECT_EQ(PuzzleFileOf(State().Puzzle, true).Entries, players);
}

TEST_F(Search, StopsOnRequestAndEndsWithItsWindowOrTheNextOpenedPuzzle) {
  app->OpenAtStart(QStringLiteral(TSUBURA_SAMPLES "/ookii.tbr"));  // seconds of work
  QPointer<SearchWindow> search = StartSearch();
  ASSERT_TRUE(search);
  EXPECT_EQ(StartSearch(), search) << "one search at a time";
  QTest::mouseClick(search->StopButton, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return search->Status->text() == QStringLiteral("止めました"); }, 5000));
  EXPECT_TRUE(search->PlaceButton->isEnabled());
  QTest::keyClick(search, Qt::Key_Escape);
  EXPECT_TRUE(Gone(search));

  search = StartSearch();
  Open(TestPuzzle(4, true, 1, 6));
  EXPECT_TRUE(search.isNull());
}

TEST(PrepareSearch, AllCoresButOneFromTheCompleteBoardThePlayerHas) {
  PuzzleState puzzle;
  ApplyPuzzleFile(TestPuzzle(4, true, 1, 6), puzzle);
  EXPECT_EQ(PrepareSearch(puzzle, 4, 1).options.threads, 3);
  EXPECT_EQ(PrepareSearch(puzzle, 1, 1).options.threads, 1);
  EXPECT_EQ(PrepareSearch(puzzle, 2, 1).options.start.size(), 1u);
  ApplyPuzzleFile(TestPuzzle(4, true, 2, 6), puzzle);  // two words apart
  EXPECT_TRUE(PrepareSearch(puzzle, 2, 1).options.start.empty());
}

}  // namespace
