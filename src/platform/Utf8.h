#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 (file names, the puzzle tool's text) to and from the UTF-16 text of
// the game. nullopt on malformed input.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
