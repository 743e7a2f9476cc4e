#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <QTreeView>

#include "widgets/GameFixture.h"

namespace {

using OpenFileDialog = GameFixture;

TEST_F(OpenFileDialog, ListsDatesSizesAndTypesTheJapaneseWay) {
  for (const char* name : {"sample.tbr", "notes.txt"}) {
    QFile file(AppDir() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, 'a'));
    file.flush();  // a later write would date the file again
    file.setFileTime(QDateTime(QDate(2024, 12, 8), QTime(15, 4)),
                     QFileDevice::FileModificationTime);
  }
  std::map<QString, QStringList> listed;
  WhenDialogOpens([&](QWidget* dialog) {
    auto* files = static_cast<QFileDialog*>(dialog);
    files->selectNameFilter(QStringLiteral("全てのファイル (*)"));
    auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(details, nullptr);
    const QAbstractItemModel* listing = details->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listing->rowCount(details->rootIndex()) == 3; }));
    for (int row = 0; row < 3; ++row) {
      QStringList columns;
      for (int column = 0; column < 4; ++column)
        columns << listing->index(row, column, details->rootIndex()).data().toString();
      listed[columns[0]] = columns;
    }
    files->reject();
  });
  Window().MenuItem(QStringLiteral("ファイルを開く"))->trigger();
  EXPECT_EQ(listed["sample.tbr"],
            QStringList({"sample.tbr", "2.9 KB", "ツブラ用ファイル", "2024/12/08 15:04"}));
  EXPECT_TRUE(listed["notes.txt"].value(2).contains(QStringLiteral("テキスト")))
      << listed["notes.txt"].join(" ").toStdString();
  EXPECT_EQ(listed["Data"].value(2), QStringLiteral("フォルダー"));
}

}  // namespace
