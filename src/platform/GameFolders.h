#pragma once

#include <QString>
#include <string>

// Where the game keeps its things, decided once at start-up from the
// program's own folder.
struct GameFolders {
  std::string data;     // Data.dat and the sounds
  std::string puzzles;  // where the open-file dialog starts
  std::string saves;    // where Save As writes
  std::string words;    // the shipped word lists the game makes puzzles from
  std::string shipped;  // the samples and the pack as shipped, with their targets
};

// Run from its build folder, the game keeps its Data folder (created when
// missing) and its puzzles beside itself. Installed — no Data beside the
// program, the shipped data in ../share/games/tsubura — everything lives in
// the per-user data folder, which receives the shipped sounds and, on first
// start, the sample puzzles. A Data folder that cannot be written also gives
// way to the per-user one, with its sounds copied there.
GameFolders ChooseGameFolders(const QString& appDir);

// The per-user data folder (~/.local/share/tsubura on Debian); not created.
QString PerUserFolder();
