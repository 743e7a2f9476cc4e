#pragma once

#include "game/Game.h"

// A press on the board picture: with a word selected it places the word with
// its first character in the pressed cell, across for the left button and
// down for the right; with none selected it probes the cell. x and y are
// pixels inside the picture, which is `width` pixels wide.
void Pimain_MouseDown(Game& game, int button, float x, float y, int width);
// The release ends a probe: the marks go and the labels get their colours back.
void Pimain_MouseUp(Game& game);

// The cell under a pixel, as the board's hit test rounds it.
struct Cell {
  int column, row;
};
Cell HitTest(float x, float y, int width, int boardSize);

// Whether entry `index` fits across (dx 1, dy 0) or down from (c, r): every
// character on an empty or equal cell, both end-marker cells empty or "×".
bool WordFits(const PuzzleState& puzzle, int index, int c, int r, int dx, int dy);

// The whole rule of a click that places entry `index`: it fits, and no placed
// word starts in the same cell in the same direction.
bool PlacementAllowed(const PuzzleState& puzzle, int index, int c, int r, int dx, int dy);
