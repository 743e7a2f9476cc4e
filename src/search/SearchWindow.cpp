#include "search/SearchWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "search/SearchWorker.h"

SearchWindow::SearchWindow(QWidget* owner, const QIcon& icon, SearchJob job,
                           const QString& scoreSuffix, Place place)
    : QDialog(owner),
      worker_(std::make_unique<SearchWorker>(std::move(job))),
      place_(std::move(place)),
      suffix_(scoreSuffix.trimmed()) {
  setObjectName(QStringLiteral("最高点を探す"));
  setWindowTitle(QStringLiteral("最高点を探す"));
  setWindowIcon(icon);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* grid = new QGridLayout(this);
  auto addRow = [this, grid](int row, const QString& caption) {
    grid->addWidget(new QLabel(caption, this), row, 0);
    auto* value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(96);
    grid->addWidget(value, row, 1);
    return value;
  };
  Best = addRow(0, QStringLiteral("見つけた最高点"));
  Bound = addRow(1, QStringLiteral("これより上はない点"));
  Time = addRow(2, QStringLiteral("時間"));
  Status = new QLabel(QStringLiteral("探しています…"), this);
  grid->addWidget(Status, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  StopButton = new QPushButton(QStringLiteral("止める"), this);
  PlaceButton = new QPushButton(QStringLiteral("並べる"), this);
  StopButton->setAutoDefault(false);
  PlaceButton->setDefault(true);
  PlaceButton->setEnabled(false);
  buttons->addStretch();
  buttons->addWidget(StopButton);
  buttons->addWidget(PlaceButton);
  grid->addLayout(buttons, 4, 0, 1, 2);
  setFixedSize(sizeHint());
  ShowProgress(0, worker_->Job().puzzle.upperBound, 0);

  connect(StopButton, &QPushButton::clicked, this, [this] {
    stopped_ = true;
    worker_->Stop();
  });
  connect(PlaceButton, &QPushButton::clicked, this, &SearchWindow::PlaceBest);
  connect(worker_.get(), &SearchWorker::progressed, this, &SearchWindow::ShowProgress);
  connect(worker_.get(), &QThread::finished, this, &SearchWindow::ShowResult);
  worker_->start();
}

SearchWindow::~SearchWindow() = default;

QString SearchWindow::Points(qint64 points) const {
  return QString::number(points) + suffix_;
}

void SearchWindow::ShowProgress(qint64 best, qint64 bound, double seconds) {
  Best->setText(Points(best));
  Bound->setText(Points(bound));
  Time->setText(QStringLiteral("%1秒").arg(seconds, 0, 'f', 1));
  // Until something scores, there is nothing better than the board to place.
  if (best > 0 && !placing_) PlaceButton->setEnabled(true);
}

void SearchWindow::ShowResult() {
  finished_ = true;
  const SolveResult& result = worker_->Result();
  Best->setText(Points(result.score));
  Bound->setText(Points(result.bound));
  Status->setText(result.optimal ? QStringLiteral("これが最高点です")
                  : stopped_     ? QStringLiteral("止めました")
                                 : QStringLiteral("時間切れです"));
  StopButton->setEnabled(false);
  PlaceButton->setEnabled(!placing_);
  if (placing_) PlaceAndClose();
}

void SearchWindow::PlaceBest() {
  placing_ = true;
  StopButton->setEnabled(false);
  PlaceButton->setEnabled(false);
  if (finished_) {
    PlaceAndClose();
  } else {
    worker_->Stop();
  }
}

void SearchWindow::PlaceAndClose() {
  place_(worker_->Job(), worker_->Result().arrangement);
  close();
}
