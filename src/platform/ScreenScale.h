#pragma once

#include <string>

// The file that keeps the player's zoom, in the per-user data folder.
std::string ZoomFilePath();

// Makes the stored zoom Qt's scale factor (on top of any the desktop asks
// for), so every window grows as on a screen of that density. Qt reads the
// factor once, when the application object is made: call this before it
// exists, after the application name is set. Returns the zoom in effect.
int ScaleScreenForZoom();
