#pragma once

#include <QString>

// The versions of the libraries the game runs on, as loaded.
QString QtLibraryVersion();
QString SdlLibraryVersion();
