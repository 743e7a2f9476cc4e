#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the game keeps of one puzzle, known by the fingerprint of its content.
// Boards are kept as puzzle files (words, points and placement), so a puzzle
// whose file is gone can still be opened.
struct PuzzleRecord {
  std::string fingerprint;
  std::string name;  // the file's base name, the made puzzle's heading, or the pack's own
  std::string path;  // the file it was last opened from or saved to; "" for none
  int size = 0;
  int words = 0;
  std::string level;                // "easy", "normal", "hard"; "" when unknown
  std::optional<long long> target;  // the best score known for it
  bool proven = false;              // no arrangement scores more than the target
  std::string firstPlayed;          // "2026-12-09 20:15:03.042", local; "" when never played
  std::string lastPlayed;
  std::optional<long long> best;  // the player's best complete score
  std::vector<std::uint8_t> bestBoard;
  std::vector<std::uint8_t> leftBoard;  // the puzzle as the player last left it
  bool hasBoard = false;                // the records hold a board of it
  int reached = 0;                      // how often the target was reached
  bool shipped = false;                 // a sample or a puzzle of the pack
  std::string daily;                    // the day of a puzzle of the day, "2026-12-09"

  bool Reached() const { return best && target && *best >= *target; }
  // The name shown in lists: a puzzle of the day's has its day in front.
  std::string Title() const { return daily.empty() ? name : daily + " " + name; }
};

// One day on which the puzzle of the day was opened.
struct DailyRecord {
  std::string date;  // "2026-12-09"
  std::string fingerprint;
  std::optional<long long> best;
  bool reached = false;
};
