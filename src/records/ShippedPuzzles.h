#pragma once

#include <string>
#include <string_view>
#include <vector>

class Records;

// A sample or a puzzle of the pack, as the list shipped beside them
// ("targets.txt") gives it: its file, its name for players, its level and the
// best score long solver runs found.
struct ShippedPuzzle {
  std::string file;
  std::string name;
  std::string level;  // "" for the samples
  long long best = 0;
  bool proven = false;
};

inline constexpr const char* kShippedListName = "targets.txt";

// One puzzle a line, tab-separated: file, name, level ("-" for none), best,
// "proven" or "known"; "#" starts a comment line. Lines that do not read so
// are skipped.
std::vector<ShippedPuzzle> ParseShippedList(std::string_view text);

// Makes every shipped puzzle known to the records with its target. Each is
// read from the player's folder when a copy lies there, else from `shipped`.
void RememberShipped(Records& records, const std::string& shipped, const std::string& player);
