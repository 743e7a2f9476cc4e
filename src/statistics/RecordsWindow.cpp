#include "statistics/RecordsWindow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>

#include "generator/Level.h"
#include "platform/LocalDate.h"
#include "platform/QtText.h"
#include "records/Achievement.h"
#include "records/Statistics.h"

namespace {

QDate ToQDate(std::chrono::year_month_day day) {
  return QDate(static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
               static_cast<int>(static_cast<unsigned>(day.day())));
}

std::chrono::year_month_day FromQDate(QDate date) {
  return {std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
          std::chrono::day(static_cast<unsigned>(date.day()))};
}

QString PuzzleTableHtml(const std::vector<PuzzleRecord>& puzzles) {
  const PuzzleStatistics statistics = CountPuzzles(puzzles);
  auto row = [](const QString& name, const PlayCounts& counts) {
    return QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td></tr>")
        .arg(name)
        .arg(counts.played)
        .arg(counts.cleared);
  };
  QString html =
      QStringLiteral("<table cellspacing=6><tr><th></th><th>遊んだ</th><th>クリア</th></tr>");
  for (Level level : {Level::Easy, Level::Normal, Level::Hard}) {
    const auto found = statistics.byLevel.find(std::string(LevelId(level)));
    html += row(ToQString(LevelCaption(level)),
                found == statistics.byLevel.end() ? PlayCounts{} : found->second);
  }
  const auto others = statistics.byLevel.find("");
  html += row(QStringLiteral("そのほか"),
              others == statistics.byLevel.end() ? PlayCounts{} : others->second);
  return html + row(QStringLiteral("<b>合計</b>"), statistics.all) + QStringLiteral("</table>");
}

QString DailyText(const DailyStatistics& daily) {
  return QStringLiteral("遊んだ日 %1日　目標達成 %2日<br>連続 %3日　最長 %4日")
      .arg(daily.played)
      .arg(daily.reached)
      .arg(daily.streak)
      .arg(daily.longest);
}

}  // namespace

RecordsWindow::RecordsWindow(QWidget* owner, const QIcon& icon, std::vector<PuzzleRecord> puzzles,
                             std::vector<DailyRecord> days, Day today, OpenDay openDay)
    : QDialog(owner),
      puzzles_(std::move(puzzles)),
      days_(std::move(days)),
      today_(today),
      openDay_(std::move(openDay)) {
  setObjectName(QStringLiteral("記録"));
  setWindowTitle(QStringLiteral("記録"));
  setWindowIcon(icon);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* puzzleBox = new QGroupBox(QStringLiteral("パズル"), this);
  Puzzles = new QLabel(PuzzleTableHtml(puzzles_), puzzleBox);
  Puzzles->setObjectName(QStringLiteral("Puzzles"));
  (new QVBoxLayout(puzzleBox))->addWidget(Puzzles);

  auto* dailyBox = new QGroupBox(QStringLiteral("今日のパズル"), this);
  Daily = new QLabel(DailyText(CountDays(days_, today_)), dailyBox);
  Daily->setObjectName(QStringLiteral("Daily"));
  Calendar = new QCalendarWidget(dailyBox);
  Calendar->setObjectName(QStringLiteral("Calendar"));
  Calendar->setMaximumDate(ToQDate(today_));
  Calendar->setSelectedDate(ToQDate(today_));
  Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  OpenDayButton = new QPushButton(QStringLiteral("この日のパズル"), dailyBox);
  OpenDayButton->setObjectName(QStringLiteral("OpenDayButton"));
  CopyButton = new QPushButton(QStringLiteral("結果をコピー"), dailyBox);
  CopyButton->setObjectName(QStringLiteral("CopyButton"));
  auto* dayButtons = new QHBoxLayout;
  dayButtons->addStretch(1);
  dayButtons->addWidget(OpenDayButton);
  dayButtons->addWidget(CopyButton);
  auto* dailyLayout = new QVBoxLayout(dailyBox);
  dailyLayout->addWidget(Daily);
  dailyLayout->addWidget(Calendar);
  dailyLayout->addLayout(dayButtons);

  auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
  for (QPushButton* button : {OpenDayButton, CopyButton, closeButton})
    button->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(puzzleBox, 0, Qt::AlignTop);
  boxes->addWidget(dailyBox, 1);
  layout->addLayout(boxes);
  layout->addWidget(closeButton, 0, Qt::AlignRight);

  MarkCalendar();
  resize(640, 400);
  connect(Calendar, &QCalendarWidget::selectionChanged, this, &RecordsWindow::DaySelected);
  connect(Calendar, &QCalendarWidget::activated, this, &RecordsWindow::OpenSelectedDay);
  connect(OpenDayButton, &QPushButton::clicked, this, &RecordsWindow::OpenSelectedDay);
  connect(CopyButton, &QPushButton::clicked, this, &RecordsWindow::CopyResult);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  DaySelected();
  Calendar->setFocus();
}

void RecordsWindow::MarkCalendar() {
  QTextCharFormat played;
  played.setBackground(QColor(0xCC, 0xE5, 0xFF));
  QTextCharFormat cleared;
  cleared.setBackground(QColor(0xFF, 0xD7, 0x00));
  cleared.setFontWeight(QFont::Bold);
  for (const DailyRecord& day : days_) {
    if (const auto date = ParseDate(day.date))
      Calendar->setDateTextFormat(ToQDate(*date), day.reached ? cleared : played);
  }
  // Days to come cannot be chosen; they look so for the weeks shown.
  QTextCharFormat toCome;
  toCome.setForeground(Qt::gray);
  for (QDate day = ToQDate(today_).addDays(1); day <= ToQDate(today_).addDays(42);
       day = day.addDays(1))
    Calendar->setDateTextFormat(day, toCome);
}

const DailyRecord* RecordsWindow::SelectedDay() const {
  const std::string date = DateText(FromQDate(Calendar->selectedDate()));
  const auto found = std::find_if(days_.begin(), days_.end(),
                                  [&](const DailyRecord& day) { return day.date == date; });
  return found == days_.end() ? nullptr : &*found;
}

void RecordsWindow::DaySelected() {
  OpenDayButton->setEnabled(Calendar->selectedDate() <= ToQDate(today_));
  CopyButton->setEnabled(SelectedDay() != nullptr);
}

void RecordsWindow::OpenSelectedDay() {
  const QDate date = Calendar->selectedDate();
  if (date > ToQDate(today_)) return;  // days to come have no puzzle yet
  close();
  openDay_(FromQDate(date));
}

void RecordsWindow::CopyResult() {
  const DailyRecord* day = SelectedDay();
  if (!day) return;
  const auto puzzle = std::find_if(puzzles_.begin(), puzzles_.end(), [&](const PuzzleRecord& p) {
    return p.fingerprint == day->fingerprint;
  });
  if (puzzle == puzzles_.end()) return;
  PuzzleRecord result = *puzzle;
  result.best = day->best;
  // The streak as it stood on that day.
  std::vector<DailyRecord> upTo;
  std::copy_if(days_.begin(), days_.end(), std::back_inserter(upTo),
               [&](const DailyRecord& d) { return d.date <= day->date; });
  const int streak = CountDays(upTo, *ParseDate(day->date)).streak;
  QApplication::clipboard()->setText(ToQString(DailyResult(day->date, result, streak)));
}
