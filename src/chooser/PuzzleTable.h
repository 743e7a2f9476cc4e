#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "records/OpenRecordedPuzzle.h"

// The puzzles of the records as the chooser lists them, one row each, in the
// order given (most recently played first). Each column sorts by its value
// (Qt::UserRole), not by its text.
class PuzzleTable : public QAbstractTableModel {
 public:
  enum Column { Name, Size, Words, Level, Target, Best, Stars, LastPlayed, kColumnCount };

  using QAbstractTableModel::QAbstractTableModel;
  // Lists these puzzles instead.
  void Show(std::vector<ListedPuzzle> puzzles);

  const PuzzleRecord& Puzzle(int row) const { return Row(row).record; }
  // Why a row cannot be opened: "" when it can.
  QString WhyNot(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant Text(const PuzzleRecord& puzzle, int column) const;
  QVariant SortKey(const PuzzleRecord& puzzle, int column) const;

  const ListedPuzzle& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }

  std::vector<ListedPuzzle> rows_;
};

// Rows whose name or level holds the filter text, and only those not yet
// cleared when asked.
class PuzzleFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetText(const QString& text);
  void SetOnlyNotCleared(bool only);

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  QString text_;
  bool onlyNotCleared_ = false;
};
