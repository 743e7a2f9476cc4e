// The records in play, through the real window: the target line follows the
// play, and reaching or beating the target is told once.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <fstream>

#include "board/BoardPicture.h"
#include "files/PuzzleFiles.h"
#include "records/RecordsFile.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

// ねこ and こま on a 5-cell board, shipped with a target of `target`.
class Targets : public GameFixture {
 protected:
  void SetUp() override {}  // each test ships its puzzle first, then starts
  void Ship(int target, const char* proven) {
    QDir().mkpath(AppDir());
    PuzzleFile file = TestPuzzle(0, true, 0, 5);
    for (std::u16string w : {u"ねこ", u"こま"})
      file.Entries[static_cast<std::size_t>(file.WordCount++)] = {w, 20};
    file.MaxWordLength = 2;
    WriteTestPuzzle((AppDir() + "/tiny.tbr").toStdString(), file);
    std::ofstream((AppDir() + "/targets.txt").toStdString())
        << "tiny.tbr\tちいさい\t-\t" << target << "\t" << proven << "\n";
    GameFixture::SetUp();
  }
  // Opens tiny.tbr and waits for what the records know of it.
  void Open() {
    DialogAnswerer answerer({}, {AppDir() + "/tiny.tbr"});
    Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
    EXPECT_TRUE(PassesUntil([this] { return !Line().isEmpty(); }));
  }
  // The messages of the passes until the records have said something.
  std::vector<QString> OpenAndHear() {
    DialogAnswerer answerer({}, {AppDir() + "/tiny.tbr"});
    Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
    PassesUntil([&answerer] { return !answerer.messages.empty(); });
    for (int pass = 0; pass < 3; ++pass) app->RunPass();
    return answerer.messages;
  }
  // Places word k from cell (x, y), across or down, and lets a pass run.
  std::vector<QString> Place(int k, int x, int y, Qt::MouseButton button) {
    DialogAnswerer answerer;
    QTest::mouseClick(Window().La[k], Qt::LeftButton);
    QTest::mouseClick(Window().Pimain, button, {}, QPoint(x * 50 + 25, y * 50 + 25));
    app->RunPass();
    return answerer.messages;
  }
  std::vector<QString> Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    DialogAnswerer answerer;
    Window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(Window().windowHandle(), key, modifiers);
    app->RunPass();
    return answerer.messages;
  }
  QString Line() {
    return Window().TargetLine->isHidden() ? QString() : Window().TargetLine->text();
  }
};

TEST_F(Targets, TheLineFollowsThePlayAndEachNewBestIsToldOnce) {
  Ship(20, "known");
  EXPECT_EQ(Line(), QString()) << "no puzzle open";
  Open();
  EXPECT_EQ(Line(), QStringLiteral("目標 20点"));
  const QRect line = Window().TargetLine->geometry();
  EXPECT_GE(line.top(), Window().Text1->geometry().bottom()) << "under the specified controls";
  EXPECT_LE(line.bottom(), Window().ClientArea()->height());

  EXPECT_EQ(Place(1, 0, 0, Qt::LeftButton),
            std::vector<QString>{QStringLiteral("目標達成！\n20点")});
  EXPECT_EQ(Line(), QStringLiteral("目標 20点　自己ベスト = 目標 ★"));
  EXPECT_EQ(Key(Qt::Key_Z, Qt::ControlModifier), std::vector<QString>{});
  EXPECT_EQ(Key(Qt::Key_Y, Qt::ControlModifier), std::vector<QString>{}) << "the same score again";

  EXPECT_EQ(Place(2, 1, 0, Qt::RightButton),
            std::vector<QString>{QStringLiteral("目標を超えました！\n新しい目標 40点")});
  EXPECT_EQ(Line(), QStringLiteral("目標 40点　自己ベスト = 目標 ★"));

  // The next time the puzzle is opened, it knows its best.
  Open();
  EXPECT_EQ(Line(), QStringLiteral("目標 40点　自己ベスト = 目標 ★"));
}

TEST_F(Targets, TheHighestIsToldAsSuchAndNothingIsSaidInModeNone) {
  Ship(20, "proven");
  Open();
  EXPECT_EQ(Place(1, 0, 0, Qt::LeftButton),
            std::vector<QString>{QStringLiteral("最高点です！\n20点")});
  EXPECT_EQ(Line(), QStringLiteral("目標 20点　自己ベスト = 目標 ★★"));

  State().Settings.MessageMode = kMessageNone;
  EXPECT_EQ(Place(2, 1, 0, Qt::RightButton), std::vector<QString>{});
  EXPECT_EQ(Line(), QStringLiteral("目標 40点　自己ベスト = 目標 ★"));
}

TEST_F(Targets, NoMessageWhileTheMouseButtonIsHeld) {
  Ship(20, "known");
  Open();
  DialogAnswerer answerer;
  QTest::mouseClick(Window().La[1], Qt::LeftButton);
  QTest::mousePress(Window().Pimain, Qt::LeftButton, {}, QPoint(25, 25));
  app->RunPass();
  EXPECT_TRUE(answerer.messages.empty()) << "a drag goes on undisturbed";
  QTest::mouseRelease(Window().Pimain, Qt::LeftButton, {}, QPoint(25, 25));
  app->RunPass();
  EXPECT_EQ(answerer.messages, std::vector<QString>{QStringLiteral("目標達成！\n20点")});
}

TEST_F(Targets, ADamagedRecordsFileIsToldOnceAndPlayGoesOn) {
  QDir().mkpath(AppDir() + "/Data");
  std::ofstream((AppDir() + "/Data/Records.db").toStdString()) << std::string(4096, 'x');
  Ship(20, "known");
  const std::vector<QString> messages = OpenAndHear();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("Records-"))) << messages[0].toStdString();
  EXPECT_EQ(Line(), QStringLiteral("目標 20点")) << "a new file, told of the shipped puzzles";
}

TEST_F(Targets, ARecordsFailureIsToldOnceAndPlayGoesOn) {
  Ship(20, "known");
  // A shipped list damaged past reading: a file name no disk takes.
  std::ofstream((AppDir() + "/targets.txt").toStdString(), std::ios::app)
      << std::string(300, 'x') << ".tbr\tながい\t-\t10\tknown\n";
  const std::vector<QString> messages = OpenAndHear();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("記録を残せません")));
  EXPECT_EQ(Place(1, 0, 0, Qt::LeftButton),
            std::vector<QString>{QStringLiteral("目標達成！\n20点")})
      << "play goes on, and its records";
}

TEST_F(Targets, TheFirstPuzzleOpensWhileAnotherGameHoldsTheRecordsAndItsRecordFollows) {
  Ship(20, "known");
  const std::string data = (AppDir() + "/Data").toStdString();
  OpenRecordsFile(data, "today");
  Sqlite otherGame(data + "/" + kRecordsFileName);
  otherGame.Execute("BEGIN IMMEDIATE");
  DialogAnswerer answerer({}, {AppDir() + "/tiny.tbr"});
  Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
  EXPECT_EQ(State().Puzzle.WordCount, 2) << "the puzzle is in play";
  EXPECT_EQ(Line(), QString()) << "its record has not come yet";
  otherGame.Execute("COMMIT");
  EXPECT_TRUE(PassesUntil([this] { return Line() == QStringLiteral("目標 20点"); }));
  EXPECT_EQ(answerer.messages, std::vector<QString>{}) << "nothing went wrong";
}

}  // namespace
