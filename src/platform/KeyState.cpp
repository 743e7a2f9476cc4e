#include "platform/KeyState.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace {

int KeyIndex(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyState::Enter;
    case Qt::Key_Left:
      return KeyState::Left;
    case Qt::Key_Right:
      return KeyState::Right;
    case Qt::Key_Up:
      return KeyState::Up;
    case Qt::Key_Down:
      return KeyState::Down;
    default:
      return -1;
  }
}

}  // namespace

KeyState::KeyState(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

bool KeyState::Read(Key key) {
  const bool counts = down_[key] || wentDown_[key];
  wentDown_[key] = false;
  return counts;
}

bool KeyState::AnyDown() const {
  return std::find(down_.begin(), down_.end(), true) != down_.end();
}

bool KeyState::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      // A key event reaches the filter once per widget it propagates through;
      // only the first delivery, to a window, is counted.
      auto* keyEvent = static_cast<QKeyEvent*>(event);
      const int index = KeyIndex(keyEvent->key());
      if (index < 0 || !watched->isWindowType()) break;
      const bool press = event->type() == QEvent::KeyPress;
      if (press && !down_[index]) wentDown_[index] = true;
      // A held key repeats as release-press pairs; it stays down throughout.
      if (press || !keyEvent->isAutoRepeat()) down_[index] = press;
      break;
    }
    case QEvent::ApplicationDeactivate:
      down_.fill(false);
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
