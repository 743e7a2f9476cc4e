#pragma once

#include <string>
#include <vector>

// tsubura-puzzle records [--data DIR] [--stats]: the player's records, one
// line a puzzle played, most recently played first; with --stats one line of
// totals. The database is found as the game finds it, beside the program or
// in the per-user data folder, unless --data names its folder. Returns the
// exit status: 1 for a damaged database, which is left untouched.
int RecordsCommand(const std::string& programFolder, const std::vector<std::string>& arguments);
