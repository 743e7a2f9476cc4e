#pragma once

#include <QLabel>

#include "platform/Colour.h"

// One label of the word list panel: La(k) shows entry k's word, La2(k) its
// points. Presses and releases go to the panel's handlers with the index.
class WordLabel : public QLabel {
  Q_OBJECT

 public:
  WordLabel(QWidget* parent, int index);

  int Index() const { return index_; }
  void SetTextColour(Colour colour);
  Colour TextColour() const { return colour_; }

  static constexpr Colour kBackground = 0xC0C0C0;
  static constexpr int kHeight = 17;

 signals:
  void pressed(int index, int button);
  void released(int index, int button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int index_;
  Colour colour_ = 0;
};
