#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "files/PuzzleFile.h"
#include "generator/Level.h"
#include "generator/WordList.h"

struct GenerateOptions {
  int size = 15;
  int words = 0;  // 0: as many as suit the size
  Level level = Level::Normal;
  std::uint64_t seed = 1;
  // What the generation may take on one core, counted in steps; 0 for the
  // standard time of the size. More time tries more candidates for the level
  // asked for.
  double seconds = 0;
};

struct GeneratedPuzzle {
  PuzzleFile file;    // the puzzle as the player gets it, no word placed
  PuzzleFile solved;  // the same with the best known arrangement placed
  Level level;        // the level it meets: the one asked for when it could be made
  Measure measure;
  bool optimal = false;  // no arrangement scores more than the best known
};

// What a generation takes on one core unless told otherwise.
double StandardGenerationSeconds(int size);

// A new puzzle from `words`: the same words, options and seed give the same
// puzzle on every run, since every search counts its steps instead of
// watching the clock. When the level asked for cannot be reached in the time
// a generation may take, the puzzle is made easy. The reason when the words
// cannot make a puzzle of this size; raising `cancel` ends the generation
// with a reason too.
std::variant<GeneratedPuzzle, std::string> Generate(const std::vector<ListedWord>& words,
                                                    const GenerateOptions& options,
                                                    const std::atomic<bool>& cancel);
