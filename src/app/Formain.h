#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "board/Counters.h"
#include "files/PuzzleLayout.h"
#include "game/PuzzleState.h"

class BoardPicture;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class WordLabel;

// The main window: the board picture, its counters and buttons, the word list
// panel and the menu bar, each control at its place in pixels. It shows what
// the game state says and forwards the player's actions.
class Formain : public QMainWindow {
  Q_OBJECT

 public:
  explicit Formain(const QIcon& icon);

  // The outer size in twips, 15 to a pixel; the window frame keeps its size.
  void SetOuterSizeTwips(int width, int height);
  void SetBackground(Colour colour);
  Colour Background() const { return background_; }
  void ShowCounters(const Counters& counters);
  void ShowLabelColours(const PuzzleState& puzzle);
  // Places and captions the word labels, sizes the counters, the board font
  // and the window for an opened puzzle, and enables its commands.
  void ShowPuzzleLayout(const PuzzleLayout& layout, const PuzzleState& puzzle);
  // Save, save as, move, clear and the search need an open puzzle.
  void EnablePuzzleCommands(bool enabled);
  // Undo and redo, each while there is a step to take back or again.
  void EnableUndoRedo(bool canUndo, bool canRedo);
  // The line under the board with the puzzle's target and the player's best;
  // hidden when `text` is empty. The window grows to fit it when needed and
  // nothing else moves.
  void ShowTargetLine(const QString& text);
  // A menu item or submenu by its object name ("上書き保存する", "移動", …).
  QAction* MenuItem(const QString& name) const;
  // Checks the zoom's item ("100%", "150%", …) in the "表示" menu.
  void ShowZoom(int percent);
  QWidget* ClientArea() const { return client_; }

  BoardPicture* Pimain;
  QLabel* Lg1;
  QLabel* Lg2;
  QLabel* Lg3;
  std::array<QPushButton*, 4> Co;
  QPushButton* Coc;
  std::array<QLabel*, 3> PicGra;
  QLineEdit* Text1;
  QLabel* TargetLine;
  std::array<WordLabel*, kMaxWords + 1> La{};   // elements 1 … 90
  std::array<WordLabel*, kMaxWords + 1> La2{};  // elements 1 … 90

  // Asked on every close request; setting cancel keeps the window open.
  std::function<void(bool& cancel)> CloseRequested;

 signals:
  void menuCommand(const QString& name);
  // A click on the window itself, not on one of its controls.
  void backgroundClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  // The game's own commands, after the menus it always had.
  void BuildPuzzleMenu();
  void BuildBoardControls();
  void BuildWordLabels();
  void BuildTargetLine();

  // Adds a command, or a separator for the caption "-", named `name`.
  QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption);

  QWidget* client_;
  Colour background_ = 0;
  Colour lg2Colour_ = 0;
};
