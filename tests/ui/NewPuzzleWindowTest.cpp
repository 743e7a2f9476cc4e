#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "files/PuzzleFile.h"
#include "generator/DailyPuzzle.h"
#include "platform/ByteFile.h"
#include "platform/LocalDate.h"
#include "ui/NewPuzzleWindow.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

class NewPuzzle : public GameFixture {
 protected:
  void SetUp() override {
    ShipOneTheme();
    GameFixture::SetUp();
  }

  // Chooses in the window when it opens, then presses 作る or キャンセル.
  void Choose(int theme, int size, int level, bool make) {
    WhenDialogOpens([=](QWidget* dialog) {
      auto* window = qobject_cast<NewPuzzleWindow*>(dialog);
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(window->windowTitle(), QStringLiteral("新しいパズル"));
      EXPECT_EQ(window->ThemeBox->itemText(0), QStringLiteral("おまかせ"));
      window->ThemeBox->setCurrentIndex(theme);
      window->SizeOptions[static_cast<std::size_t>(size)]->setChecked(true);
      window->LevelOptions[static_cast<std::size_t>(level)]->setChecked(true);
      QTest::mouseClick(window->MakeButton, Qt::LeftButton);
      EXPECT_FALSE(window->MakeButton->isEnabled()) << "one puzzle at a time";
      if (!make) QTest::mouseClick(window->CancelButton, Qt::LeftButton);
    });
  }
};

TEST_F(NewPuzzle, OpensLikeAFileTellsItsTargetAndIsSavedUnderItsThemeAndDate) {
  {
    DialogAnswerer answerer;
    Choose(1, 0, 2, true);  // 動物, 8 x 8, むずかしい
    Window().MenuItem(QStringLiteral("新しいパズル"))->trigger();
    ASSERT_EQ(answerer.messages.size(), 1u);
    EXPECT_TRUE(answerer.messages[0].startsWith(QStringLiteral("動物（")));
    EXPECT_TRUE(answerer.messages[0].contains(QStringLiteral("目標：")));
  }
  const PuzzleState& puzzle = State().Puzzle;
  EXPECT_EQ(puzzle.BoardSize, 8);
  EXPECT_GE(puzzle.WordCount, 10);
  EXPECT_EQ(puzzle.PlacedCount, 0);
  EXPECT_TRUE(Window().MenuItem(QStringLiteral("上書き保存する"))->isEnabled());
  EXPECT_TRUE(Window().Text1->text().startsWith(QStringLiteral("動物（")));
  EXPECT_TRUE(Window().La[1]->isVisible());

  // 上書き保存 has no file to write over: it saves as 名前が付いて保存 does.
  {
    DialogAnswerer answerer({0});
    Window().MenuItem(QStringLiteral("上書き保存する"))->trigger();
  }
  const std::string saved = folder.Path("program/動物-" + DateText(LocalDate()) + "-0.tbr");
  const auto bytes = ReadBytes(saved);
  ASSERT_TRUE(bytes) << saved;
  const auto reread = DecodePuzzleFile(*bytes);
  ASSERT_TRUE(std::holds_alternative<PuzzleFile>(reread));
  EXPECT_EQ(std::get<PuzzleFile>(reread), PuzzleFileOf(puzzle, true));
}

TEST_F(NewPuzzle, CancelStopsTheMakingAndLeavesTheGameAsItWas) {
  DialogAnswerer answerer;
  Choose(0, 5, 1, false);  // おまかせ, 30 x 30: long enough to be stopped
  Window().MenuItem(QStringLiteral("新しいパズル"))->trigger();
  EXPECT_TRUE(answerer.messages.empty());
  EXPECT_EQ(State().Puzzle.WordCount, 0);
  EXPECT_FALSE(Window().MenuItem(QStringLiteral("上書き保存する"))->isEnabled());
}

}  // namespace
