#pragma once

#include <cstddef>
#include <cstdint>

// Code page 932 as this machine's iconv has it, for a build whose C library
// has none (the browser's). Made at build time by cp932-table-maker.
constexpr std::uint16_t kNoCp932Character = 0xFFFF;
// A byte's character, or kNoCp932Character (a lead byte, or none).
extern const std::uint16_t kCp932Single[256];
// For a lead byte, 1 + its row in kCp932Rows; 0 for any other byte.
extern const std::uint8_t kCp932LeadRow[256];
// 256 characters a row, by trail byte.
extern const std::uint16_t kCp932Rows[];
// Each character that has bytes, as character << 16 | bytes (one byte, or
// lead << 8 | trail), by character.
extern const std::uint32_t kCp932Encoded[];
extern const std::size_t kCp932EncodedCount;
