#pragma once

#include "solver/SatEncoding.h"
#include "solver/SatSolver.h"

// The letters hanging together, asked for only when a model breaks it: for
// each group of letters in the model, a clause says that when the group's
// border (the cells beside it, empty in the model) holds no letter, the
// letters are all inside the group or all outside it and its border. Every
// such clause holds for a complete board, so a search that runs out of models
// still proves what it proves.
//
// One such cut is asked for up front, since most split models leave a single
// word apart: unless it is the only word with characters on the board, a word
// crosses another or has a letter beside it.
class LazyConnectivity {
 public:
  LazyConnectivity(const SatEncoding& encoding, SatSolver& sat);
  void AddTouching();
  // The number of groups of letters in the last model; when more than one,
  // the clauses that rule out such a split are added.
  int CutApart();

 private:
  const SatEncoding& encoding_;
  SatSolver& sat_;
  const int n_;
};
