#pragma once

#include <cstdint>

// The millisecond clock: monotonic, so a change of the wall clock cannot
// stretch or cut a wait.
std::int64_t Milliseconds();
