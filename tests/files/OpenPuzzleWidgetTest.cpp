#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "board/BoardPicture.h"
#include "files/PuzzleFiles.h"
#include "files/PuzzleLayout.h"
#include "platform/QtColour.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

class OpenAndSave : public GameFixture {
 protected:
  QString Write(const QString& name, const PuzzleFile& file) {
    const QString path = AppDir() + "/" + name;
    WriteTestPuzzle(path.toStdString(), file);
    return path;
  }
  void Trigger(const char* command) { Window().MenuItem(QString::fromUtf8(command))->trigger(); }
};

TEST_F(OpenAndSave, EveryLabelCounterAndTheWindowAreLaidOutForTheWordCount) {
  for (int count : {25, 31, 45, 90}) {
    SCOPED_TRACE(count);
    const PuzzleFile file = TestPuzzle(count, true, 2);
    const QString path = Write(QStringLiteral("words%1.tbr").arg(count), file);
    {
      DialogAnswerer answerer({}, {path});
      Trigger("ファイルを開く");
      EXPECT_EQ(answerer.fileDialogTitles, std::vector<QString>{QStringLiteral("ファイルを開く")});
    }
    app->RunPass();
    const PuzzleState& puzzle = State().Puzzle;
    const PuzzleLayout layout = LayOutPuzzle(puzzle);
    Formain& w = Window();
    const int rows = count <= 30 ? count : count == 31 ? 16 : count == 45 ? 23 : 30;
    for (int k = 1; k <= 90; ++k) {
      SCOPED_TRACE(k);
      ASSERT_EQ(w.La[k]->isVisible(), k <= count);
      ASSERT_EQ(w.La2[k]->isVisible(), k <= count);
      if (k > count) continue;
      const int t = k - 1;
      EXPECT_EQ(w.La[k]->geometry(), QRect(272 + (3 * 16 + 7 - 1 + 8 * 2 + 5 - 1) * (t / rows),
                                           8 + 16 * (t % rows), 55, 17));
      EXPECT_EQ(w.La2[k]->geometry(), QRect(w.La[k]->x() + 54, w.La[k]->y(), 21, 17));
      EXPECT_EQ(w.La[k]->text(), QString::fromStdU16String(file.Entries[t].Text));
      EXPECT_EQ(w.La2[k]->text(), QString::number(10 * k));
      const QColor colour = k <= 2 ? Qt::white : Qt::black;
      EXPECT_EQ(w.La[k]->palette().color(QPalette::WindowText), colour);
      EXPECT_EQ(w.La2[k]->palette().color(QPalette::WindowText), colour);
    }
    EXPECT_EQ(w.frameGeometry().width(), qRound(*layout.windowWidthTwips / 15.0));
    EXPECT_EQ(w.frameGeometry().height(), qRound(8080 / 15.0));
    EXPECT_EQ(w.Lg1->width(), 85);
    EXPECT_EQ(w.Lg2->width(), layout.lg2Width);
    EXPECT_EQ(w.Lg3->width(), layout.lg2Width);
    EXPECT_EQ(w.Lg1->text(), QStringLiteral("2個"));
    EXPECT_EQ(w.Lg2->text(), QStringLiteral("NOW:30点"));
    EXPECT_EQ(w.Lg2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.Pimain->BoardFont().pixelSize(), 20);  // 15 points on a 10-cell board
    EXPECT_EQ(w.Text1->text(), path);
    for (const char* name : {"上書き保存する", "名前が付いて保存", "移動", "すべてクリア"}) {
      EXPECT_TRUE(w.MenuItem(QString::fromUtf8(name))->isEnabled()) << name;
    }
  }
}

TEST_F(OpenAndSave, ACancelledOpenKeepsThePuzzleAndSaysSo) {
  const QString path = Write(QStringLiteral("keep.tbr"), TestPuzzle(5));
  {
    DialogAnswerer answerer({}, {path});
    Trigger("ファイルを開く");
  }
  {
    DialogAnswerer answerer;
    Trigger("ファイルを開く");
  }
  EXPECT_EQ(Window().Text1->text(), QStringLiteral("キャンセルされました。"));
  EXPECT_EQ(State().Puzzle.WordCount, 5);
  EXPECT_TRUE(Window().La[5]->isVisible());
}

TEST_F(OpenAndSave, ARefusedFileLeavesTheWindowAsItWas) {
  const QString good = Write(QStringLiteral("good.tbr"), TestPuzzle(5));
  PuzzleFile bad = TestPuzzle(40);
  bad.Entries[0].Placed = 1;
  bad.Entries[0].Column = 9;  // across from the last column: off the board
  const QString refused = Write(QStringLiteral("bad.tbr"), bad);
  {
    DialogAnswerer answerer({}, {good});
    Trigger("ファイルを開く");
  }
  const QRect window = Window().geometry();
  DialogAnswerer answerer({0}, {refused});
  Trigger("ファイルを開く");
  EXPECT_EQ(answerer.messages, std::vector<QString>{QStringLiteral("このファイルは開けません。")});
  EXPECT_EQ(Window().geometry(), window);
  EXPECT_FALSE(Window().La[6]->isVisible());
  EXPECT_EQ(Window().Text1->text(), good);
  EXPECT_EQ(State().Puzzle.WordCount, 5);
}

TEST_F(OpenAndSave, APuzzleNamedAtStartOpensAsIfChosenAndAMissingOneCountsAsCancelled) {
  app->OpenAtStart(AppDir() + QStringLiteral("/nothing.tbr"));
  EXPECT_EQ(Window().Text1->text(), QStringLiteral("キャンセルされました。"));
  EXPECT_EQ(State().Puzzle.WordCount, 0);
  {
    DialogAnswerer answerer({0});
    app->OpenAtStart(AppDir() + QStringLiteral("/Data"));  // a folder: not a puzzle
    EXPECT_EQ(answerer.messages,
              std::vector<QString>{QStringLiteral("このファイルは開けません。")});
  }
  const QString path = Write(QStringLiteral("start.tbr"), TestPuzzle(25, true, 2));
  const QString started = QDir::currentPath();
  QDir::setCurrent(AppDir());
  app->OpenAtStart(QStringLiteral("start.tbr"));  // relative to where the game was started
  QDir::setCurrent(started);
  EXPECT_EQ(State().Puzzle.WordCount, 25);
  EXPECT_EQ(Window().Text1->text(), path);
  EXPECT_TRUE(Window().MenuItem(QStringLiteral("上書き保存する"))->isEnabled());
}

TEST_F(OpenAndSave, TheOpenDialogSpeaksJapaneseAndStartsBesideTheProgram) {
  QStringList buttons;
  QString folder;
  WhenDialogOpens([&](QWidget* dialog) {
    for (const auto* button : dialog->findChildren<QPushButton*>()) {
      if (button->isVisible()) buttons << button->text();
    }
    folder = static_cast<QFileDialog*>(dialog)->directory().path();
    static_cast<QFileDialog*>(dialog)->reject();
  });
  Trigger("ファイルを開く");
  EXPECT_TRUE(buttons.contains(QStringLiteral("開く(&O)"))) << buttons.join(u',').toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("キャンセル"))) << buttons.join(u',').toStdString();
  EXPECT_EQ(folder, AppDir());
}

TEST_F(OpenAndSave, EachMessageModeSavesTheSameBytes) {
  const QString path = Write(QStringLiteral("modes.tbr"), TestPuzzle(6, false, 1));
  {
    DialogAnswerer answerer({}, {path});
    Trigger("ファイルを開く");
  }
  struct ModeCase {
    std::int16_t mode;
    std::deque<int> answers;  // answers beyond these are "Ok"
    std::size_t least, most;  // dialogs seen
  };
  for (const ModeCase& c : {ModeCase{0, {}, 1, 1}, ModeCase{1, {}, 0, 0}, ModeCase{2, {0, 1}, 5, 6},
                            ModeCase{3, {}, 1, 1}}) {
    SCOPED_TRACE(c.mode);
    State().Settings.MessageMode = c.mode;
    State().Puzzle.Score = 100 + c.mode;  // a change that must reach the file
    std::filesystem::remove(path.toStdString());
    DialogAnswerer answerer(c.answers);
    Trigger("上書き保存する");
    EXPECT_GE(answerer.messages.size(), c.least);
    EXPECT_LE(answerer.messages.size(), c.most);
    PuzzleFile expected = TestPuzzle(6, false, 1);
    expected.Score = 100 + c.mode;
    EXPECT_EQ(ReadBytes(path.toStdString()), EncodePuzzleFile(expected));
  }
}

}  // namespace

namespace {

using ShippedSamples = OpenAndSave;

TEST_F(ShippedSamples, EachOpensThroughTheDialogWithItsWordsAndCounters) {
  struct Sample {
    const char* name;
    int words, size;
    const char* placed;
    const char* now;
  };
  for (const Sample& s :
       {Sample{"hajimete", 20, 8, "0匹", "NOW:0点"}, Sample{"tsuzuki", 25, 10, "5品", "NOW:620円"},
        Sample{"kanji", 45, 15, "0語", "NOW:0点"},
        Sample{"english", 31, 12, "0 words", "NOW:0 pts"},
        Sample{"ookii", 90, 30, "0個", "NOW:0点"}}) {
    SCOPED_TRACE(s.name);
    const QString path = QStringLiteral(TSUBURA_SAMPLES) + "/" + s.name + ".tbr";
    {
      DialogAnswerer answerer({}, {path});
      Trigger("ファイルを開く");
    }
    app->RunPass();
    EXPECT_EQ(State().Puzzle.WordCount, s.words);
    EXPECT_EQ(State().Puzzle.BoardSize, s.size);
    EXPECT_EQ(State().Puzzle.Incomplete, 0);
    EXPECT_TRUE(Window().La[s.words]->isVisible());
    EXPECT_EQ(Window().Lg1->text(), QString::fromUtf8(s.placed));
    EXPECT_EQ(Window().Lg2->text(), QString::fromUtf8(s.now));
  }
  EXPECT_EQ(Window().Lg3->text(), QStringLiteral("MAX:0点"))
      << "the last board is empty and complete";
}

}  // namespace
