#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "search/SearchJob.h"

class QLabel;
class QPushButton;
class SearchWorker;

// The "最高点を探す" window: it searches the puzzle for its best complete
// arrangement while it is open, showing the best score found, the bound no
// arrangement can pass and the time. Closing it stops the search.
class SearchWindow : public QDialog {
  Q_OBJECT

 public:
  // `place` puts an arrangement the search found on the board.
  using Place = std::function<void(const SearchJob& job, const Arrangement& found)>;
  SearchWindow(QWidget* owner, const QIcon& icon, SearchJob job, const QString& scoreSuffix,
               Place place);
  ~SearchWindow() override;

  QLabel* Best;
  QLabel* Bound;
  QLabel* Time;
  QLabel* Status;
  QPushButton* StopButton;
  QPushButton* PlaceButton;

 private:
  void ShowProgress(qint64 best, qint64 bound, double seconds);
  void ShowResult();
  // Stops the search, then places the best it found and closes.
  void PlaceBest();
  void PlaceAndClose();
  QString Points(qint64 points) const;

  std::unique_ptr<SearchWorker> worker_;
  Place place_;
  QString suffix_;
  bool stopped_ = false;   // by the player
  bool finished_ = false;  // the result is in
  bool placing_ = false;
};
