#include "app/EventPump.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "platform/Clock.h"

void PumpEvents(int maxWaitMs) {
  // The timer only wakes the wait; it drives nothing.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(std::max(0, maxWaitMs));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Wait(int milliseconds) {
  const auto start = Milliseconds();
  auto elapsed = decltype(start){0};
  do {
    PumpEvents(static_cast<int>(std::max<decltype(start)>(1, milliseconds - elapsed + 1)));
    elapsed = Milliseconds() - start;
  } while (elapsed <= milliseconds);
}
