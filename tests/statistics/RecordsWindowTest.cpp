// 記録 through the real window: counts, streak, and the calendar, which opens
// a past day's puzzle and no day to come.
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "files/PuzzleFiles.h"
#include "platform/LocalDate.h"
#include "records/Fingerprint.h"
#include "records/RecordsKeeper.h"
#include "statistics/RecordsWindow.h"
#include "widgets/GameFixture.h"

namespace {

using namespace std::chrono;

class Diary : public GameFixture {
 protected:
  // Yesterday's and the day before's puzzle of the day, both cleared, kept in
  // the records before the game starts.
  void SetUp() override {
    ShipOneTheme();
    QDir().mkpath(AppDir() + "/Data");
    {
      RecordsKeeper keeper((AppDir() + "/Data").toStdString(), "today");
      for (int back : {1, 2}) {
        const PuzzleFile file = TestPuzzle(back + 1, true, back + 1, 5);
        PuzzleRecord record;
        record.fingerprint = Fingerprint(file);
        record.name = "動物（ふつう）";
        record.size = 5;
        record.words = back + 1;
        record.target = file.Score;
        record.leftBoard = *EncodePuzzleFile(file);
        record.daily = DateText(Day(back));
        keeper.Write([record, score = file.Score](Records& records) {
          records.Remember(record);
          records.Played(record.fingerprint, record.daily + " 20:00:00.000");
          records.RecordDaily(record.daily, record.fingerprint, score, true);
        });
      }
    }
    GameFixture::SetUp();
  }
  static year_month_day Day(int back) { return year_month_day(sys_days(LocalDate()) - days(back)); }
  static QDate QDay(int back) {
    const year_month_day d = Day(back);
    return QDate(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day())));
  }
  // Opens 記録, which comes when the records have answered.
  RecordsWindow* OpenWindow() {
    Window().MenuItem(QStringLiteral("記録"))->trigger();
    PassesUntil([this] { return Window().findChild<RecordsWindow*>() != nullptr; });
    return Window().findChild<RecordsWindow*>();
  }
};

TEST_F(Diary, CountsTheDaysCopiesAResultAndOpensAPastDay) {
  RecordsWindow* diary = OpenWindow();
  EXPECT_EQ(diary->windowTitle(), QStringLiteral("記録"));
  EXPECT_EQ(diary->Daily->text(),
            QStringLiteral("遊んだ日 2日　目標達成 2日<br>連続 2日　最長 2日"));

  diary->Calendar->setSelectedDate(QDay(1));
  QTest::mouseClick(diary->CopyButton, Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("ツブラ %1 動物（ふつう） 30点／目標 30点 ★ 連続 2日")
                .arg(QString::fromStdString(DateText(Day(1)))));

  diary->Calendar->setSelectedDate(QDay(-1));
  EXPECT_EQ(diary->Calendar->selectedDate(), QDay(0)) << "a day to come cannot be chosen";

  diary->Calendar->setSelectedDate(QDay(2));
  QTest::mouseClick(diary->OpenDayButton, Qt::LeftButton);
  PassesUntil([this] { return State().Puzzle.WordCount == 3; });
  EXPECT_EQ(State().Puzzle.WordCount, 3) << "the day's puzzle, as it was left";
  EXPECT_EQ(State().Puzzle.PlacedCount, 3);
}

TEST_F(Diary, ADayNotPlayedIsMadeFromItsDate) {
  RecordsWindow* diary = OpenWindow();
  diary->Calendar->setSelectedDate(QDay(5));
  QString title;
  WhenDialogOpens([&title](QWidget* maker) {
    title = maker->windowTitle();
    static_cast<QDialog*>(maker)->reject();
  });
  QTest::mouseClick(diary->OpenDayButton, Qt::LeftButton);
  PassesUntil([&title] { return !title.isEmpty(); });
  EXPECT_EQ(title, QString::fromStdString(DateText(Day(5)) + "のパズル"));
}

}  // namespace
