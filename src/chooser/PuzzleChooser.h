#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "records/OpenRecordedPuzzle.h"

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
// modal; Escape closes it. It never waits for the records: the list comes
// when they have it, and the whole of the selected puzzle (its boards, its
// file) is looked up while the empty board stands in for it.
class PuzzleChooser : public QDialog {
  Q_OBJECT

 public:
  using Reply = std::function<void(std::optional<RecordedPuzzle>)>;
  // Asks for the whole of a puzzle; `reply` comes later, on this thread.
  using LookUp = std::function<void(const std::string& fingerprint, Reply reply)>;
  using Open = std::function<void(const RecordedPuzzle&)>;

  PuzzleChooser(QWidget* owner, const QIcon& icon, LookUp lookUp, Open open);
  // The puzzles to list, once the records have them.
  void ShowPuzzles(std::vector<ListedPuzzle> puzzles);

  QLineEdit* Filter;
  QCheckBox* OnlyNotCleared;
  QTableView* List;
  QLabel* Preview;
  QLabel* Reason;
  QPushButton* OpenButton;

 private:
  void BuildList();
  void ShowSelected();
  void OpenSelected();
  void Found(std::optional<RecordedPuzzle> found);
  // The selected row of the table, if any.
  std::optional<int> SelectedRow() const;
  const PuzzleRecord* Selected() const;
  QString WhyNotSelected() const;
  // The whole of the selected puzzle, once it has been looked up.
  const RecordedPuzzle* Whole() const;

  LookUp lookUp_;
  Open open_;
  PuzzleTable* table_;
  PuzzleFilter* filter_;
  std::optional<RecordedPuzzle> whole_;  // the puzzle last looked up
  std::string openWhenFound_;            // the puzzle to open once looked up
};
