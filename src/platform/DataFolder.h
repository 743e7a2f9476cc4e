#pragma once

#include <QString>
#include <string>

// The folder that holds Data.dat and the sounds: "Data" beside the program,
// created when missing. When it cannot be written, the per-user data folder's
// "Data" takes its place, with the shipped sounds copied into it.
std::string ChooseDataFolder(const QString& appDir);

// Where Save As writes: the program folder, or the per-user folder when the
// program folder cannot be written.
std::string ChooseSaveFolder(const QString& appDir);
