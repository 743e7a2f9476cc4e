#pragma once

#include <string>

// The word lists shipped with the game: beside the program in its build
// folder, or in ../share/games/tsubura/words when it is installed.
std::string ShippedWordsFolder(const std::string& programFolder);
