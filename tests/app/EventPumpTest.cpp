#include <gtest/gtest.h>

#include <QTimer>

#include "app/EventPump.h"
#include "platform/Clock.h"

namespace {

TEST(Wait, EightyMillisecondsTakeMoreThanEighty) {
  const auto start = Milliseconds();
  Wait(80);
  EXPECT_GE(Milliseconds() - start, 81);
}

TEST(Wait, ZeroStillHandlesPendingEvents) {
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  Wait(0);
  EXPECT_TRUE(handled);
}

TEST(Wait, HandlersRunWhileItWaits) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  Wait(100);
  EXPECT_GE(ticks, 3);
}

}  // namespace
