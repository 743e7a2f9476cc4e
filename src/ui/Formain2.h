#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "game/Game.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The settings window "詳細設定": end markers, background, board font, message
// mode and sounds. Choices take effect at once; "OK" applies and stores them.
class Formain2 : public QDialog {
  Q_OBJECT

 public:
  // applyAppearance repaints the main window's background and board face.
  Formain2(QWidget* owner, const QIcon& icon, Game& game, std::string settingsPath,
           std::function<void()> applyAppearance);

  std::array<QGroupBox*, 5> Frame1;
  std::array<QRadioButton*, 5> Option1;
  std::array<QRadioButton*, 4> Option2;
  std::array<QRadioButton*, 4> Option3;
  std::array<QRadioButton*, 4> Option4;
  std::array<QCheckBox*, 5> Check1;
  QLabel* RainbowLabel;
  QPushButton* Command1;

 private:
  QGroupBox* AddFrame(int index, const QString& caption, QRect place);
  // Bare option boxes with their captions beside them, the stored choice chosen.
  template <std::size_t N>
  std::array<QLabel*, N> AddOptions(QGroupBox* frame, const char* name,
                                    std::array<QRadioButton*, N>& options,
                                    const std::array<const char*, N>& captions, int chosen,
                                    std::function<void(int)> click);
  QLabel* AddCaption(QGroupBox* frame, int row, const char* caption);
  void Command1_Click();

  Game& game_;
  std::string settingsPath_;
  std::function<void()> applyAppearance_;
};
