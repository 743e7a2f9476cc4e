#pragma once

#include <initializer_list>
#include <string>

#include "board/BoardRebuild.h"
#include "fakes/ScriptedHost.h"
#include "game/Game.h"

// A game on an open board with the given words, none placed, every sound on.
struct GameWithWords {
  GameWithWords(int size, std::initializer_list<std::u16string> words) {
    PuzzleState& p = game.Puzzle;
    p.BoardSize = static_cast<std::int16_t>(size);
    int points = 10;
    for (const std::u16string& w : words) {
      WordEntry& e = p.Word(++p.WordCount);
      e.Text = w;
      e.Points = points;
      points += 10;
    }
    game.Settings.SoundSwitch.fill(1);
  }

  // Board pixel of the centre of cell (x, y) on a 251-pixel picture.
  float Centre(int cell) const { return (cell + 0.5f) * 250.0f / game.Puzzle.BoardSize; }

  ScriptedHost host;
  Game game{host};
  PuzzleState& puzzle = game.Puzzle;
};
