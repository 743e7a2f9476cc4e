#pragma once

#include <string>
#include <vector>

// tsubura-puzzle generate [--theme NAME[,NAME…]] [--words-file FILE] [--size N]
//   [--words K] [--level easy|normal|hard] [--seed X] [--date YYYY-MM-DD] [--daily] -o OUT.tbr
//   [--solved SOLVED.tbr]: writes a new puzzle (and the same with its best
// known arrangement placed) and prints "OUT.tbr size N words K level L best S
// optimal|bound U greedy G". Word lists come from `wordsFolder`. Returns the
// exit status: 1 for words that cannot make a puzzle, 2 for arguments it
// cannot use.
int GenerateCommand(const std::string& wordsFolder, const std::vector<std::string>& arguments);

// tsubura-puzzle themes: each shipped theme, its name and its word count.
int ThemesCommand(const std::string& wordsFolder);
