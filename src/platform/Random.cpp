#include "platform/Random.h"

#include <chrono>

#include "platform/Clock.h"

void Random::SeedFromClock() {
  Seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
       static_cast<std::uint64_t>(Milliseconds()));
}
