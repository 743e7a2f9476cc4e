#pragma once

#include <array>
#include <string>

// How large the whole game is drawn, in percent, as if the screen had that
// density. The player's choice is kept per user in a small file of its own,
// so the settings file keeps its 48 bytes.
inline constexpr std::array<int, 4> kZoomChoices{100, 150, 200, 300};
inline constexpr int kDefaultZoom = 100;

// The stored choice; 100 when the file is missing or holds anything else.
int ReadZoom(const std::string& path);
// Replaces the file with the choice; false when it could not be written.
bool WriteZoom(const std::string& path, int percent);
