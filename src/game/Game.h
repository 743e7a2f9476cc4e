#pragma once

#include <string>

#include "game/Host.h"
#include "game/MoveHistory.h"
#include "game/PuzzleState.h"
#include "game/Settings.h"

// The state every handler works on, and the window system it talks to.
struct Game {
  explicit Game(Host& host) : host(host) {}

  PuzzleState Puzzle;
  SettingsRecord Settings;
  Host& host;
  // The steps of play since the puzzle was opened, for undo and redo.
  MoveHistory History;

  // The file the puzzle came from: its header ("バージョン２" for the 90-entry
  // layout) and its path, which Save writes to and Save As takes its name from.
  std::u16string FileHeader;
  std::string OpenedPath;
  // A puzzle the game made has no file until it is saved: Save As takes its
  // name from this instead ("動物-2026-12-08").
  std::string MadeName;
  // Where Save As writes: the program folder, or the per-user folder when the
  // program folder cannot be written.
  std::string SaveFolder;
};
