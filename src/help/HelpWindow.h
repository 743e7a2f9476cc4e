#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// "遊び方": how the game is played, from the help text the game carries, with
// its small boards drawn by the game. Not modal; closes with its button or
// Escape.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(QWidget* owner, const QIcon& icon);

  QTextBrowser* Text;
  QPushButton* CloseButton;
};
