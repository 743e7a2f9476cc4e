#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "records/PuzzleRecord.h"

class PuzzleFilter;
class PuzzleTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// "パズルを選ぶ": every puzzle the game knows, most recently played first,
// with a filter and a preview of the selected one. Return, a double click or
// 開く opens the selected puzzle through `open` and closes the window. Not
// modal; Escape closes it.
class PuzzleChooser : public QDialog {
  Q_OBJECT

 public:
  using Find = std::function<std::optional<PuzzleRecord>(const std::string& fingerprint)>;
  using Open = std::function<void(const PuzzleRecord&)>;

  PuzzleChooser(QWidget* owner, const QIcon& icon, std::vector<PuzzleRecord> puzzles, Find find,
                Open open);

  QLineEdit* Filter;
  QCheckBox* OnlyNotCleared;
  QTableView* List;
  QLabel* Preview;
  QLabel* Reason;
  QPushButton* OpenButton;

 private:
  void BuildList(std::vector<PuzzleRecord> puzzles);
  void ShowSelected();
  void OpenSelected();
  // The selected row of the table, if any.
  std::optional<int> SelectedRow() const;
  const PuzzleRecord* Selected() const;
  QString WhyNotSelected() const;

  Find find_;
  Open open_;
  PuzzleTable* table_;
  PuzzleFilter* filter_;
};
