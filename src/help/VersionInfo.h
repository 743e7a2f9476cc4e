#pragma once

#include <string>

// What バージョン情報 says: the game's version, the libraries it runs on, and
// the licence of the package.
std::u16string VersionInfo();
