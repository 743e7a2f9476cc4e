#pragma once

#include <string>
#include <string_view>

// The little JSON the page reads: strings escaped, UTF-16 text as UTF-8.
std::string JsonString(std::string_view utf8);
std::string JsonString(std::u16string_view text);
// "#rrggbb" of a colour written &HBBGGRR.
std::string JsonColour(unsigned colour);
// The answer to the page's last question, kept until the next: the page
// copies it out at once.
const char* KeptForPage(std::string text);
