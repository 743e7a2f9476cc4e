#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "board/BoardPicture.h"
#include "platform/QtColour.h"
#include "widgets/GameFixture.h"
#include "words/WordLabel.h"

namespace {

using FirstStart = GameFixture;

TEST_F(FirstStart, WindowIsAGreenStripOfTitleAndMenuBar) {
  Formain& w = Window();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("ツブラ"));
  EXPECT_EQ(w.frameGeometry().width(), 277);  // 4150 twips
  EXPECT_EQ(w.frameGeometry().height(), 44);  // 660 twips
  EXPECT_EQ(w.Background(), 0x008000u);
  EXPECT_EQ(w.ClientArea()->palette().color(QPalette::Window), QColor(0, 128, 0));
}

TEST_F(FirstStart, SaveMoveAndClearAreDisabledUntilAPuzzleIsOpened) {
  for (const char* name : {"上書き保存する", "名前が付いて保存", "移動", "すべてクリア"}) {
    ASSERT_NE(Window().MenuItem(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_FALSE(Window().MenuItem(QString::fromUtf8(name))->isEnabled()) << name;
  }
  for (const char* name :
       {"ファイルを開く", "終了", "設定", "上へ移動する", "ヘルプ", "バージョン"}) {
    EXPECT_TRUE(Window().MenuItem(QString::fromUtf8(name))->isEnabled()) << name;
  }
}

TEST_F(FirstStart, DataFileAndSoundFilesAreCreatedEmpty) {
  const std::filesystem::path data = folder.Path("program/Data");
  EXPECT_EQ(app->DataFolder(), data.string());
  ASSERT_TRUE(std::filesystem::exists(data / "Data.dat"));
  EXPECT_EQ(std::filesystem::file_size(data / "Data.dat"), 0u);
  for (int n : {0, 1, 2, 3, 5, 9}) {
    const auto sound = data / ("sound" + std::to_string(n) + ".wav");
    ASSERT_TRUE(std::filesystem::exists(sound)) << sound;
    EXPECT_EQ(std::filesystem::file_size(sound), 0u);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data), {}), 7);
}

TEST_F(FirstStart, MenuBarHasEveryCaptionInOrder) {
  const QList<QAction*> top = Window().menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  EXPECT_EQ(top[0]->text(), QStringLiteral("ファイル"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("その他"));
  EXPECT_EQ(top[2]->text(), QStringLiteral("表示"));
  QStringList file, other, move, view;
  for (QAction* a : top[0]->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
  for (QAction* a : top[1]->menu()->actions()) other << (a->isSeparator() ? "-" : a->text());
  for (QAction* a : Window().MenuItem(QStringLiteral("移動"))->menu()->actions()) move << a->text();
  for (QAction* a : top[2]->menu()->actions()) view << a->text() + (a->isChecked() ? "*" : "");
  EXPECT_EQ(file, QStringList({"開く...", "上書き保存...", "名前が付いて保存...", "-", "終了"}));
  EXPECT_EQ(other, QStringList({"設定", "-", "移動", "クリア", "-", "ヘルプ", "バージョン情報"}));
  EXPECT_EQ(move, QStringList({"上へ移動", "下へ移動", "左へ移動", "右へ移動"}));
  EXPECT_EQ(view, QStringList({"100%*", "150%", "200%", "300%"}));
  EXPECT_EQ(top[0]->menu()->actions()[3]->objectName(), QStringLiteral("区分線2"));
  QStringList puzzle;
  for (QAction* a : top[3]->menu()->actions()) puzzle << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(top[3]->text(), QStringLiteral("パズル"));
  EXPECT_EQ(puzzle, QStringList({"新しいパズル...", "今日のパズル", "パズルを選ぶ...", "記録...",
                                 "-", "元に戻す", "やり直し", "-", "最高点を探す..."}));
}

TEST_F(FirstStart, ControlsStandAtTheirPlaces) {
  Formain& w = Window();
  EXPECT_EQ(w.Pimain->geometry(), QRect(8, 8, 251, 251));
  EXPECT_EQ(w.Lg1->geometry(), QRect(8, 328, 129, 33));
  EXPECT_EQ(w.Lg2->geometry(), QRect(8, 376, 241, 33));
  EXPECT_EQ(w.Lg3->geometry(), QRect(8, 424, 241, 33));
  EXPECT_EQ(w.Co[0]->geometry(), QRect(152, 296, 49, 25));
  EXPECT_EQ(w.Co[1]->geometry(), QRect(200, 296, 49, 25));
  EXPECT_EQ(w.Co[2]->geometry(), QRect(176, 272, 49, 25));
  EXPECT_EQ(w.Co[3]->geometry(), QRect(176, 320, 49, 25));
  EXPECT_EQ(w.Co[0]->text(), QStringLiteral("←"));
  EXPECT_EQ(w.Co[3]->text(), QStringLiteral("↓"));
  EXPECT_TRUE(w.Co[0]->font().bold());
  EXPECT_EQ(w.Coc->geometry(), QRect(16, 272, 73, 41));
  EXPECT_EQ(w.Coc->text(), QStringLiteral("Clear"));
  EXPECT_EQ(w.Lg2->palette().color(QPalette::Window), QColor(255, 255, 255));
  for (QLabel* sprite : w.PicGra) {
    EXPECT_FALSE(sprite->isVisible());
    EXPECT_FALSE(sprite->pixmap().isNull());
  }
  for (int k = 1; k <= 90; ++k) {
    ASSERT_NE(w.La[k], nullptr);
    EXPECT_FALSE(w.La[k]->isVisible()) << k;
    EXPECT_FALSE(w.La2[k]->isVisible()) << k;
    EXPECT_EQ(w.La[k]->Index(), k);
    EXPECT_EQ(w.La2[k]->height(), 17);
  }
  EXPECT_EQ(w.La[1]->geometry(), QRect(272, 8, 159, 17));
  EXPECT_EQ(w.La2[1]->geometry(), QRect(432, 8, 65, 17));
  EXPECT_EQ(w.La[1]->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(FirstStart, CountersShowZeroWithTheBlankSuffix) {
  app->RunPass();
  EXPECT_EQ(Window().Lg1->text(), QStringLiteral("0　"));
  EXPECT_EQ(Window().Lg2->text(), QStringLiteral("NOW:0　"));
  EXPECT_EQ(Window().Lg3->text(), QStringLiteral("MAX:0　"));
}

TEST(StartUp, StoredSettingsAreAppliedAndAMissingDataFolderIsCreated) {
  TempFolder folder;
  const QString appDir = QString::fromStdString(folder.Path());
  RecordingOutput output;
  {
    GameApp first(appDir, output);
    first.StartUp();
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("Data")));
  }
  Bytes settings(48, 0);
  settings[2] = 1;  // purple
  settings[4] = 1;  // mincho
  std::ofstream(folder.Path("Data/Data.dat"), std::ios::binary)
      .write(reinterpret_cast<const char*>(settings.data()), 48);
  GameApp second(appDir, output);
  second.StartUp();
  EXPECT_EQ(second.Window().Background(), 0x800080u);
  EXPECT_EQ(second.Window().Pimain->BoardFont().family(), QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(second.State().Settings.Background, 1);
}

}  // namespace

namespace {

TEST(StartUp, AnUnwritableDataFolderGivesWayToThePerUserFolderWithTheSounds) {
  TempFolder folder;
  const QString appDir = QString::fromStdString(folder.Path());
  // A plain file named Data: no folder can be made or written there.
  std::ofstream(folder.Path("Data")) << "not a folder";
  RecordingOutput output;
  GameApp game(appDir, output);
  game.StartUp();
  const std::filesystem::path own = game.DataFolder();
  EXPECT_NE(own.parent_path(), std::filesystem::path(folder.Path()));
  EXPECT_EQ(own.filename(), "Data");
  EXPECT_TRUE(std::filesystem::exists(own / "Data.dat"));
  EXPECT_TRUE(std::filesystem::exists(own / "sound9.wav"));
  std::filesystem::remove_all(own);
}

}  // namespace
