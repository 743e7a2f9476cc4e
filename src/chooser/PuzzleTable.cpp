#include "chooser/PuzzleTable.h"

#include <QBrush>

#include "generator/Level.h"
#include "platform/QtText.h"
#include "records/Achievement.h"
#include "records/Statistics.h"

namespace {

const QString kUnknown = QStringLiteral("―");

QString LevelText(const std::string& id) {
  const auto level = LevelOfId(id);
  return level ? ToQString(LevelCaption(*level)) : kUnknown;
}

QVariant Number(const std::optional<long long>& value) {
  return value ? QVariant(*value) : QVariant(kUnknown);
}

}  // namespace

void PuzzleTable::Show(std::vector<ListedPuzzle> puzzles) {
  beginResetModel();
  rows_ = std::move(puzzles);
  endResetModel();
}

QString PuzzleTable::WhyNot(int row) const {
  return ToQString(Row(row).whyNot);
}

int PuzzleTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PuzzleTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant PuzzleTable::data(const QModelIndex& index, int role) const {
  const PuzzleRecord& puzzle = Puzzle(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return Text(puzzle, index.column());
    case Qt::UserRole:
      return SortKey(puzzle, index.column());
    case Qt::ToolTipRole:
      return Row(index.row()).whyNot.empty() ? QVariant() : WhyNot(index.row());
    case Qt::ForegroundRole:
      return Row(index.row()).whyNot.empty() ? QVariant() : QBrush(Qt::gray);
    case Qt::TextAlignmentRole:
      return index.column() == Name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant PuzzleTable::Text(const PuzzleRecord& puzzle, int column) const {
  switch (column) {
    case Name:
      return QString::fromStdString(puzzle.Title());
    case Size:
      return QStringLiteral("%1×%1").arg(puzzle.size);
    case Words:
      return puzzle.words;
    case Level:
      return LevelText(puzzle.level);
    case Target:
      return Number(puzzle.target);
    case Best:
      return Number(puzzle.best);
    case Stars:
      return ToQString(::Stars(puzzle));
    default:
      return puzzle.lastPlayed.empty() ? kUnknown
                                       : QString::fromStdString(puzzle.lastPlayed.substr(0, 10));
  }
}

QVariant PuzzleTable::SortKey(const PuzzleRecord& puzzle, int column) const {
  switch (column) {
    case Size:
      return puzzle.size;
    case Words:
      return puzzle.words;
    case Level:
      return LevelOfId(puzzle.level) ? static_cast<int>(*LevelOfId(puzzle.level)) : -1;
    case Target:
      return puzzle.target.value_or(-1);
    case Best:
      return puzzle.best.value_or(-1);
    case Stars:
      return puzzle.Reached() ? (puzzle.proven ? 2 : 1) : 0;
    case LastPlayed:
      return QString::fromStdString(puzzle.lastPlayed);
    default:
      return Text(puzzle, column);
  }
}

QVariant PuzzleTable::headerData(int section, Qt::Orientation orientation, int role) const {
  static const QString kHeadings[kColumnCount] = {
      QStringLiteral("名前"),   QStringLiteral("大きさ"),        QStringLiteral("言葉"),
      QStringLiteral("レベル"), QStringLiteral("目標"),          QStringLiteral("自己ベスト"),
      QStringLiteral("達成"),   QStringLiteral("最後に遊んだ日")};
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return kHeadings[section];
}

void PuzzleFilter::SetText(const QString& text) {
  text_ = text;
  invalidateRowsFilter();
}

void PuzzleFilter::SetOnlyNotCleared(bool only) {
  onlyNotCleared_ = only;
  invalidateRowsFilter();
}

bool PuzzleFilter::filterAcceptsRow(int row, const QModelIndex&) const {
  const auto* table = static_cast<const PuzzleTable*>(sourceModel());
  const PuzzleRecord& puzzle = table->Puzzle(row);
  if (onlyNotCleared_ && Cleared(puzzle)) return false;
  if (text_.isEmpty()) return true;
  return QString::fromStdString(puzzle.Title()).contains(text_, Qt::CaseInsensitive) ||
         LevelText(puzzle.level).contains(text_, Qt::CaseInsensitive);
}
