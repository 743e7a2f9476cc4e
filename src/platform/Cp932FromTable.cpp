#include <algorithm>

#include "platform/Cp932.h"
#include "platform/Cp932Table.h"

std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    std::uint16_t c = kCp932Single[byte];
    if (const int row = kCp932LeadRow[byte]; row > 0) {
      if (++i == bytes.size()) return std::nullopt;  // cut after its lead byte
      c = kCp932Rows[static_cast<std::size_t>(row - 1) * 256 +
                     static_cast<unsigned char>(bytes[i])];
    }
    if (c == kNoCp932Character) return std::nullopt;
    text.push_back(static_cast<char16_t>(c));
  }
  return text;
}

std::optional<std::string> Utf16ToCp932(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  const std::uint32_t* end = kCp932Encoded + kCp932EncodedCount;
  for (char16_t c : text) {
    const std::uint32_t* found = std::lower_bound(kCp932Encoded, end, std::uint32_t{c} << 16);
    if (found == end || *found >> 16 != c) return std::nullopt;
    const std::uint32_t code = *found & 0xFFFF;
    if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
  }
  return bytes;
}
