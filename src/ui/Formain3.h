#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string_view>

class QLabel;
class QPushButton;

// The message dialog behind every question of the game. It sizes itself to
// its text and captions and can be left only through one of its buttons.
class Formain3 : public QDialog {
  Q_OBJECT

 public:
  Formain3(QWidget* owner, const QIcon& icon);

  // Lays the dialog out for the message, shows it modally and returns the
  // index of the button clicked, which also stays in DialogResult.
  int Ask(std::u16string_view message, std::u16string_view title, int buttonCount,
          const std::array<std::u16string_view, 3>& captions);

  // The index of the button clicked in the last dialog; kept between calls.
  static inline std::uint8_t DialogResult = 0;

  QLabel* Label1;
  std::array<QPushButton*, 3> Command1;

 public slots:
  void reject() override;  // Escape does not close the dialog either

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Command1_Click(int index);
  void CentreOverOwner();

  bool DialogCloseAllowed = false;
};
