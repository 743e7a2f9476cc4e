#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "generator/ThemedPuzzle.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The window "新しいパズル": a theme (or おまかせ), a board size and a level.
// "作る" makes the puzzle on a thread of its own while the window stays
// responsive; "キャンセル" or Escape stops it and closes the window. Made for
// the puzzle of the day, it shows no choices and starts making at once.
class NewPuzzleWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { Chosen, Daily };
  NewPuzzleWindow(QWidget* owner, const QIcon& icon, Kind kind, std::vector<Theme> themes,
                  std::uint64_t seed, std::chrono::year_month_day today);
  ~NewPuzzleWindow() override;

  // The puzzle made, once the window has been accepted.
  const std::optional<ThemedPuzzle>& Made() const { return made_; }

  static constexpr std::array<int, 6> kSizes{8, 10, 12, 15, 20, 30};

  QComboBox* ThemeBox = nullptr;
  std::array<QRadioButton*, kSizes.size()> SizeOptions{};
  std::array<QRadioButton*, 3> LevelOptions{};
  QLabel* Status;
  QPushButton* MakeButton;
  QPushButton* CancelButton;

 public slots:
  // Stops a puzzle being made, then closes.
  void reject() override;

 private:
  void BuildChoices();
  void MakeChosen();
  void StartMaking(std::function<std::variant<ThemedPuzzle, std::string>()> make);
  void Finished(std::variant<ThemedPuzzle, std::string> result);
  void StopMaking();

  const std::vector<Theme> themes_;
  const std::uint64_t seed_;
  const std::chrono::year_month_day today_;
  std::optional<ThemedPuzzle> made_;
  std::atomic<bool> cancel_{false};
  std::thread maker_;
};
