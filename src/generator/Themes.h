#pragma once

#include <string>
#include <variant>
#include <vector>

#include "generator/WordList.h"

// A word list shipped with the game: its id is the file name without ".txt".
struct Theme {
  std::string id;
  WordList list;
};

struct ThemeError {
  std::string reason;  // one line: the file, and why it cannot be used
};

// Every "*.txt" of the folder, by id. With no such folder, the lists built
// into the program: a folder that is there wins, whatever it holds.
std::variant<std::vector<Theme>, ThemeError> LoadThemes(const std::string& folder);

// One list read from a file of the player's own; its id is the file's name.
std::variant<Theme, ThemeError> LoadWordFile(const std::string& path);

// The theme called `name` by its id or by the name its list gives; nullptr
// when there is none.
const Theme* FindTheme(const std::vector<Theme>& themes, const std::string& name);
