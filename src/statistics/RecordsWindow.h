#pragma once

#include <QDialog>
#include <chrono>
#include <functional>
#include <vector>

#include "records/PuzzleRecord.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

// "記録": the puzzles played and cleared by level; the puzzle of the day's
// days played and cleared, its streaks, and a calendar of them where a past
// day's puzzle can be opened; and 結果をコピー, a day's result to share. Not
// modal; Escape closes it.
class RecordsWindow : public QDialog {
  Q_OBJECT

 public:
  using Day = std::chrono::year_month_day;
  using OpenDay = std::function<void(Day)>;

  RecordsWindow(QWidget* owner, const QIcon& icon, std::vector<PuzzleRecord> puzzles,
                std::vector<DailyRecord> days, Day today, OpenDay openDay);

  QLabel* Puzzles;
  QLabel* Daily;
  QCalendarWidget* Calendar;
  QPushButton* OpenDayButton;
  QPushButton* CopyButton;

 private:
  void MarkCalendar();
  void DaySelected();
  void OpenSelectedDay();
  void CopyResult();
  const DailyRecord* SelectedDay() const;

  std::vector<PuzzleRecord> puzzles_;
  std::vector<DailyRecord> days_;
  Day today_;
  OpenDay openDay_;
};
