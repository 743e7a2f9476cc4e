#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Reads the whole file, creating it empty when it is missing (the game's data
// files are opened for reading and writing). nullopt when it cannot be opened.
std::optional<Bytes> ReadBytesCreating(const std::string& path);

// Replaces the first bytes of the file with `start`, keeping whatever the file
// held after them. The new content goes to a temporary file beside it that
// replaces the old one only once it is completely written, so a failed write
// leaves the old file intact. False when anything failed.
bool OverwriteStart(const std::string& path, const Bytes& start);

// True when a new file can be created in the folder (which is created first
// when missing).
bool FolderIsWritable(const std::string& folder);

// Reads the whole file without creating it; nullopt when it cannot be read.
std::optional<Bytes> ReadBytes(const std::string& path);

// Replaces the whole file: the bytes go to a temporary file beside it, which
// takes the old file's place only once completely written and flushed.
bool ReplaceFile(const std::string& path, const Bytes& bytes);
