#pragma once

#include <span>
#include <string_view>

// The shipped word lists, built into the program from assets/words/ so that a
// game or a puzzle tool copied without its folder of lists still makes
// puzzles. BuiltInWordLists.cmake writes their bytes at build time.
struct BuiltInWordList {
  std::string_view name;   // the file's name, "animals.txt"
  std::string_view bytes;  // its text, UTF-8
};

// By name.
std::span<const BuiltInWordList> BuiltInWordLists();
