#pragma once

#include <string>

#include "game/Game.h"
#include "platform/Colour.h"

// What the page shows beside the puzzle state: the window's look and text.
struct PageLook {
  Colour background = 0x008000;
  std::u16string face = u"ＭＳ ゴシック";
  std::u16string text1;
  // How many puzzles were put into play: the page sees an opening by it.
  int openings = 0;
};

// Everything the page draws, as JSON: the board cell by cell (text and
// colour, rows from the top), the counters, the word list with its labels'
// colours, the settings, whether undo and redo can go, and the look. The
// board is rebuilt first, as a redraw does.
std::string DescribePage(Game& game, const PageLook& look);
