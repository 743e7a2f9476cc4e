#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "help/HelpWindow.h"
#include "widgets/GameFixture.h"

namespace {

class Help : public GameFixture {
 protected:
  QPointer<HelpWindow> OpenHelp() {
    Window().MenuItem(QStringLiteral("ヘルプ"))->trigger();
    const QList<HelpWindow*> open = Window().findChildren<HelpWindow*>();
    return open.size() == 1 ? open[0] : nullptr;
  }
};

TEST_F(Help, OneWindowBesideTheGameClosesWithEscapeOrItsButtonAndDrawsEveryBoard) {
  OpenHelp();
  QPointer<HelpWindow> help = OpenHelp();
  ASSERT_TRUE(help) << "a second ヘルプ shows the same window";
  EXPECT_EQ(help->windowTitle(), QStringLiteral("遊び方"));
  EXPECT_TRUE(help->isVisible() && !help->isModal());
  QTextDocument* text = help->Text->document();
  int boards = 0;
  for (QTextBlock block = text->begin(); block != text->end(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QString name = piece.fragment().charFormat().toImageFormat().name();
      if (name.isEmpty()) continue;
      const QImage board = text->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
      int red = 0;  // the end markers
      for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) red += board.pixelColor(x, y) == Qt::red;
      EXPECT_GT(red, 10) << name.toStdString();
      ++boards;
    }
  }
  EXPECT_GT(boards, 0);
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_TRUE(Gone(help));
  help = OpenHelp();
  QTest::mouseClick(help->CloseButton, Qt::LeftButton);
  EXPECT_TRUE(Gone(help));
}

TEST_F(Help, VersionInfoNamesTheVersionTheLibrariesAndTheLicence) {
  DialogAnswerer answerer({0});
  Window().MenuItem(QStringLiteral("バージョン"))->trigger();
  ASSERT_EQ(answerer.messages.size(), 1u);
  const QStringList lines = answerer.messages[0].split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ツブラ 1.0.0（Qt %1、SDL2 2.").arg(qVersion())));
  EXPECT_EQ(lines[1], QStringLiteral(
                          "License: proprietary — the package may be installed and played freely"));
}

}  // namespace
