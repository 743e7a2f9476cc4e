#pragma once

#include <string>

#include "game/Settings.h"
#include "platform/ByteFile.h"

// Data.dat: four 16-bit little-endian fields, then the twenty sound switches,
// 48 bytes with no header. A short file reads as zeros past its end.
constexpr std::size_t kSettingsFileSize = 48;

SettingsRecord DecodeSettings(const Bytes& bytes);
Bytes EncodeSettings(const SettingsRecord& settings);

// Reads the file into `settings`, creating it empty when missing.
void LoadSettings(const std::string& path, SettingsRecord& settings);
// Writes the 48 bytes at the start of the file; bytes after them are kept.
bool SaveSettings(const std::string& path, const SettingsRecord& settings);
