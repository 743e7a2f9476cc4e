#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/Formain3.h"
#include "widgets/GameFixture.h"

namespace {

using MessageDialog = GameFixture;

QPushButton* Button(QWidget* dialog, int i) {
  return dialog->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i));
}

TEST_F(MessageDialog, QuitQuestionIsLaidOutAndAnsweredByItsSecondButton) {
  State().Settings.SoundSwitch[0] = 1;
  QSize client;
  QRect first, second;
  bool thirdVisible = true;
  QString title, text;
  WhenDialogOpens([&](QWidget* dialog) {
    client = dialog->size();
    first = Button(dialog, 0)->geometry();
    second = Button(dialog, 1)->geometry();
    thirdVisible = Button(dialog, 2)->isVisible();
    title = dialog->windowTitle();
    text = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QTest::mouseClick(Button(dialog, 1), Qt::LeftButton);
  });
  const int result = app->ShowMessage(u"終了しますか？", u"ツブラ", 2, u"はい", u"いいえ", u"");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Formain3::DialogResult, 1);
  EXPECT_EQ(client, QSize(203, 62));
  EXPECT_EQ(first.top(), 37);
  EXPECT_EQ(first.size(), QSize(89, 24));
  EXPECT_NEAR(first.left(), 8.5, 0.5);
  EXPECT_NEAR(second.left(), 105.5, 0.5);
  EXPECT_FALSE(thirdVisible);
  EXPECT_EQ(title, QStringLiteral("ツブラ"));
  EXPECT_EQ(text, QStringLiteral("終了しますか？"));
  ASSERT_EQ(output.played.size(), 1u) << "the message sound plays as the dialog opens";
  EXPECT_EQ(output.played[0], app->Sounds().Clip(0));
}

TEST_F(MessageDialog, TheMessageSoundIsSilentWhenSwitchedOff) {
  WhenDialogOpens([](QWidget* dialog) { QTest::mouseClick(Button(dialog, 0), Qt::LeftButton); });
  app->ShowMessage(u"保存されました。", u"ツブラ", 1, u"Ok", u"", u"");
  EXPECT_TRUE(output.played.empty());
}

TEST_F(MessageDialog, CloseBoxAndEscapeCannotCloseItAndTheOldResultStaysMeanwhile) {
  Formain3::DialogResult = 2;
  bool stillOpen = false;
  int resultWhileOpen = -1;
  WhenDialogOpens([&](QWidget* dialog) {
    resultWhileOpen = Formain3::DialogResult;
    dialog->close();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::processEvents();
    stillOpen = dialog->isVisible();
    QTest::mouseClick(Button(dialog, 0), Qt::LeftButton);
  });
  EXPECT_EQ(app->ShowMessage(u"", u"ツブラ", 1, u"Ok", u"", u""), 0);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(resultWhileOpen, 2);
}

TEST_F(MessageDialog, LongMessageWidensTheDialogAndALongCaptionWidensTheButtons) {
  QSize client;
  QRect button;
  WhenDialogOpens([&](QWidget* dialog) {
    client = dialog->size();
    button = Button(dialog, 0)->geometry();
    QTest::mouseClick(Button(dialog, 0), Qt::LeftButton);
  });
  app->ShowMessage(std::u16string(40, u'字'), u"ツブラ", 1, u"Ok", u"", u"");
  EXPECT_EQ(client.width(), 496);
  EXPECT_NEAR(button.left(), 203.5, 0.5);

  WhenDialogOpens([&](QWidget* dialog) {
    button = Button(dialog, 1)->geometry();
    QTest::mouseClick(Button(dialog, 1), Qt::LeftButton);
  });
  app->ShowMessage(u"？", u"ツブラ", 2, u"はい", u"いいえ", u"ななつのもじだ");
  EXPECT_EQ(button.width(), 160);
}

TEST_F(MessageDialog, TheBoardIsRedrawnBeforeTheDialogAppears) {
  State().Puzzle.BoardSize = 5;
  State().Puzzle.PlacedCount = 4;
  QString countWhileOpen;
  WhenDialogOpens([&](QWidget* dialog) {
    countWhileOpen = Window().Lg1->text();
    QTest::mouseClick(Button(dialog, 0), Qt::LeftButton);
  });
  app->ShowMessage(u"？", u"ツブラ", 1, u"Ok", u"", u"");
  EXPECT_EQ(countWhileOpen, QStringLiteral("4　"));
}

}  // namespace
