#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text in puzzle files is code page 932; in memory it is UTF-16. Both
// directions fail (nullopt) on a sequence that has no counterpart, including a
// double-byte character cut at the end of the buffer: nothing is replaced
// silently.
std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes);
std::optional<std::string> Utf16ToCp932(std::u16string_view text);
