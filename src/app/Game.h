#pragma once

#include "app/Host.h"
#include "board/PuzzleState.h"
#include "ui/Settings.h"

// The state every handler works on, and the window system it talks to.
struct Game {
  explicit Game(Host& host) : host(host) {}

  PuzzleState Puzzle;
  SettingsRecord Settings;
  Host& host;
};
