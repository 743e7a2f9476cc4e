#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "help/HelpWindow.h"
#include "widgets/GameFixture.h"

namespace {

using Help = GameFixture;

HelpWindow* OpenHelp(Formain& window) {
  window.MenuItem(QStringLiteral("ヘルプ"))->trigger();
  const QList<HelpWindow*> open = window.findChildren<HelpWindow*>();
  return open.size() == 1 ? open[0] : nullptr;
}

bool Closed(const QPointer<HelpWindow>& help) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return help.isNull();
}

TEST_F(Help, OneWindowOpensBesideTheGameAndClosesWithEscapeOrItsButton) {
  OpenHelp(Window());
  QPointer<HelpWindow> help = OpenHelp(Window());
  ASSERT_TRUE(help) << "a second ヘルプ shows the same window";
  EXPECT_EQ(help->windowTitle(), QStringLiteral("遊び方"));
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_TRUE(Closed(help));
  help = OpenHelp(Window());
  QTest::mouseClick(help->CloseButton, Qt::LeftButton);
  EXPECT_TRUE(Closed(help));
}

TEST_F(Help, EveryBoardOfTheTextIsDrawnWithItsEndMarkers) {
  HelpWindow* help = OpenHelp(Window());
  ASSERT_NE(help, nullptr);
  QTextDocument* text = help->Text->document();
  EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("最高点を探す")));
  int boards = 0;
  for (QTextBlock block = text->begin(); block != text->end(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFormat format = piece.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QString name = format.toImageFormat().name();
      const QImage board = text->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
      ASSERT_FALSE(board.isNull()) << name.toStdString();
      int red = 0;
      for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) red += board.pixelColor(x, y) == QColor(255, 0, 0);
      EXPECT_GT(red, 10) << name.toStdString();
      ++boards;
    }
  }
  EXPECT_GT(boards, 0);
}

TEST_F(Help, VersionInfoNamesTheVersionTheLibrariesAndTheLicence) {
  DialogAnswerer answerer({0});
  Window().MenuItem(QStringLiteral("バージョン"))->trigger();
  ASSERT_EQ(answerer.messages.size(), 1u);
  const QStringList lines = answerer.messages[0].split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ツブラ 1.0.0（Qt %1、SDL2 2.").arg(qVersion())))
      << lines[0].toStdString();
  EXPECT_EQ(lines[1], QStringLiteral(
                          "License: proprietary — the package may be installed and played freely"));
}

}  // namespace
