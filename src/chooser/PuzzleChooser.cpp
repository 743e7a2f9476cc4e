#include "chooser/PuzzleChooser.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <variant>

#include "board/BoardCanvas.h"
#include "board/BoardRebuild.h"
#include "chooser/PuzzleTable.h"
#include "files/PuzzleFile.h"

namespace {

constexpr int kPreviewPixels = 300;

// The player's best board, or the empty board when there is none.
QImage PreviewOf(const PuzzleRecord& puzzle, qreal ratio) {
  const bool best = !puzzle.bestBoard.empty();
  const auto decoded = DecodePuzzleFile(best ? puzzle.bestBoard : puzzle.leftBoard);
  PuzzleState state;
  if (const auto* file = std::get_if<PuzzleFile>(&decoded)) {
    ApplyPuzzleFile(*file, state);
    for (int k = 1; k <= state.WordCount; ++k) {
      if (!best) state.Word(k).Placed = 0;
      state.Word(k).SetLabelColours(ColourPlaced);
    }
  }
  state.BoardSize = static_cast<std::int16_t>(std::clamp(puzzle.size, 1, kMaxBoardSize));
  RebuildBoard(state);
  return PaintWholeBoard(state, kPreviewPixels / state.BoardSize, ratio);
}

}  // namespace

PuzzleChooser::PuzzleChooser(QWidget* owner, const QIcon& icon, LookUp lookUp, Open open)
    : QDialog(owner), lookUp_(std::move(lookUp)), open_(std::move(open)) {
  setObjectName(QStringLiteral("パズルを選ぶ"));
  setWindowTitle(QStringLiteral("パズルを選ぶ"));
  setWindowIcon(icon);
  setAttribute(Qt::WA_DeleteOnClose);

  Filter = new QLineEdit(this);
  Filter->setObjectName(QStringLiteral("Filter"));
  Filter->setPlaceholderText(QStringLiteral("名前やレベルで絞り込む"));
  Filter->setClearButtonEnabled(true);
  OnlyNotCleared = new QCheckBox(QStringLiteral("まだクリアしていないもの"), this);
  OnlyNotCleared->setObjectName(QStringLiteral("OnlyNotCleared"));
  List = new QTableView(this);
  List->setObjectName(QStringLiteral("List"));
  Preview = new QLabel(this);
  Preview->setObjectName(QStringLiteral("Preview"));
  Preview->setFixedSize(kPreviewPixels + 1, kPreviewPixels + 1);
  Preview->setAlignment(Qt::AlignCenter);
  Reason = new QLabel(this);
  Reason->setObjectName(QStringLiteral("Reason"));
  Reason->setWordWrap(true);
  OpenButton = new QPushButton(QStringLiteral("開く"), this);
  OpenButton->setObjectName(QStringLiteral("OpenButton"));
  auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
  // Return opens what the list or the filter box has selected, once: no
  // button takes it over.
  OpenButton->setAutoDefault(false);
  closeButton->setAutoDefault(false);

  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(Filter, 1);
  filterRow->addWidget(OnlyNotCleared);
  auto* left = new QVBoxLayout;
  left->addLayout(filterRow);
  left->addWidget(List, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(Preview);
  right->addWidget(Reason);
  right->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OpenButton);
  buttons->addWidget(closeButton);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);

  BuildList();
  connect(Filter, &QLineEdit::textChanged, this, [this](const QString& text) {
    filter_->SetText(text);
    ShowSelected();
  });
  connect(OnlyNotCleared, &QCheckBox::toggled, this, [this](bool only) {
    filter_->SetOnlyNotCleared(only);
    ShowSelected();
  });
  connect(Filter, &QLineEdit::returnPressed, this, &PuzzleChooser::OpenSelected);
  connect(OpenButton, &QPushButton::clicked, this, &PuzzleChooser::OpenSelected);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  resize(980, 420);
  List->setFocus();
}

void PuzzleChooser::BuildList() {
  table_ = new PuzzleTable(this);
  filter_ = new PuzzleFilter(this);
  filter_->setSourceModel(table_);
  filter_->setSortRole(Qt::UserRole);
  List->setModel(filter_);
  List->setSortingEnabled(true);
  // Sorting is enabled on no column, so the list starts in the records' order.
  List->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  List->setSelectionBehavior(QAbstractItemView::SelectRows);
  List->setSelectionMode(QAbstractItemView::SingleSelection);
  List->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List->verticalHeader()->hide();
  List->verticalHeader()->setDefaultSectionSize(List->fontMetrics().height() + 6);
  // Columns fit the rows on view, not all the thousand a long record holds.
  List->horizontalHeader()->setResizeContentsPrecision(0);
  List->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  List->horizontalHeader()->setSectionResizeMode(PuzzleTable::Name, QHeaderView::Stretch);
  connect(List->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PuzzleChooser::ShowSelected);
  connect(List, &QTableView::activated, this, &PuzzleChooser::OpenSelected);
}

void PuzzleChooser::ShowPuzzles(std::vector<ListedPuzzle> puzzles) {
  table_->Show(std::move(puzzles));
  if (filter_->rowCount() > 0) List->selectRow(0);
  ShowSelected();
}

std::optional<int> PuzzleChooser::SelectedRow() const {
  const QModelIndexList rows = List->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return filter_->mapToSource(rows.first()).row();
}

const PuzzleRecord* PuzzleChooser::Selected() const {
  const auto row = SelectedRow();
  return row ? &table_->Puzzle(*row) : nullptr;
}

QString PuzzleChooser::WhyNotSelected() const {
  const auto row = SelectedRow();
  return row ? table_->WhyNot(*row) : QString();
}

const RecordedPuzzle* PuzzleChooser::Whole() const {
  const PuzzleRecord* selected = Selected();
  return selected && whole_ && whole_->record.fingerprint == selected->fingerprint ? &*whole_
                                                                                   : nullptr;
}

void PuzzleChooser::ShowSelected() {
  const PuzzleRecord* selected = Selected();
  OpenButton->setEnabled(selected && WhyNotSelected().isEmpty());
  Reason->setText(selected ? WhyNotSelected() : QString());
  if (!selected) {
    Preview->clear();
    return;
  }
  const RecordedPuzzle* whole = Whole();
  Preview->setPixmap(
      QPixmap::fromImage(PreviewOf(whole ? whole->record : *selected, devicePixelRatioF())));
  if (whole) return;
  lookUp_(selected->fingerprint, [chooser = QPointer(this)](std::optional<RecordedPuzzle> found) {
    if (chooser) chooser->Found(std::move(found));
  });
}

void PuzzleChooser::Found(std::optional<RecordedPuzzle> found) {
  const PuzzleRecord* selected = Selected();
  // An answer for a row no longer selected is not needed any more.
  if (!found || !selected || found->record.fingerprint != selected->fingerprint) return;
  whole_ = std::move(found);
  ShowSelected();
  if (std::exchange(openWhenFound_, "") == whole_->record.fingerprint) OpenSelected();
}

void PuzzleChooser::OpenSelected() {
  const PuzzleRecord* selected = Selected();
  if (!selected || !WhyNotSelected().isEmpty()) return;
  const RecordedPuzzle* whole = Whole();
  if (!whole) {
    openWhenFound_ = selected->fingerprint;
    return;
  }
  const RecordedPuzzle chosen = *whole;
  close();
  open_(chosen);
}
