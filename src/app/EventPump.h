#pragma once

// Handles the pending window events, first waiting up to maxWaitMs for one to
// arrive, so an idle game sleeps instead of spinning.
void PumpEvents(int maxWaitMs);

// Returns after more than `milliseconds` have passed on the millisecond
// clock, pumping events the whole time and at least once.
void Wait(int milliseconds);

// One display frame: the longest a pass of the main loop sleeps.
constexpr int kFrameMilliseconds = 16;
