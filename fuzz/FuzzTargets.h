#pragma once

#include <cstddef>
#include <cstdint>

// What each fuzz target checks of one input. A broken promise aborts, so the
// fuzzer reports it; the corpus regression test runs the same checks.

// The reader never crashes, and a file it accepts is written back and read
// again as the same file.
void CheckPuzzleReader(const std::uint8_t* data, std::size_t size);

// A file that passes validation can be opened, drawn, checked, have every
// word placed where it fits and taken back, and be written out, without a
// crash, a hang or an out-of-bounds access.
void CheckOpenPath(const std::uint8_t* data, std::size_t size);

// Any settings file reads into a record that writes back its first 48 bytes.
void CheckSettingsReader(const std::uint8_t* data, std::size_t size);

// The solver, given a tiny budget on any file the reader accepts, returns
// within it (and a grace) with a board the game finds legal and complete.
void CheckSolverKeepsItsTime(const std::uint8_t* data, std::size_t size);
