#pragma once

#include <QObject>
#include <array>

// The state of the Enter and arrow keys for the whole application, whichever
// widget has the focus. A reading answers whether the key is down now or went
// down since the previous reading of it, and starts a new "went down" interval.
// Keys pressed while another program has the focus do not count.
class KeyState : public QObject {
 public:
  enum Key { Enter, Left, Right, Up, Down, kKeyCount };

  explicit KeyState(QObject* parent = nullptr);
  bool Read(Key key);
  // Whether any of the keys is held down now; reads nothing.
  bool AnyDown() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<bool, kKeyCount> down_{};
  std::array<bool, kKeyCount> wentDown_{};
};
