// The browser's code page 932, from tables, against this machine's iconv,
// which the desktop uses: every byte, every pair of bytes and every character
// of the basic plane convert alike, both ways.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "platform/Cp932.h"

namespace {

std::optional<std::string> ByIconv(const char* to, const char* from, std::string in) {
  iconv_t cd = iconv_open(to, from);
  std::string out(in.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::optional<std::u16string> DecodedByIconv(const std::string& bytes) {
  const auto raw = ByIconv("UTF-16LE", "CP932", bytes);
  if (!raw) return std::nullopt;
  std::u16string text;
  for (std::size_t i = 0; i + 1 < raw->size(); i += 2) {
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>((*raw)[i]) |
                                         static_cast<unsigned char>((*raw)[i + 1]) << 8));
  }
  return text;
}

TEST(Cp932Table, EveryByteAndPairDecodesAsIconvDoes) {
  for (int lead = 0; lead < 256; ++lead) {
    const std::string one(1, static_cast<char>(lead));
    ASSERT_EQ(Cp932ToUtf16(one), DecodedByIconv(one)) << lead;
    for (int trail = 0; trail < 256; ++trail) {
      const std::string two = one + static_cast<char>(trail);
      ASSERT_EQ(Cp932ToUtf16(two), DecodedByIconv(two)) << lead << " " << trail;
    }
  }
  EXPECT_EQ(Cp932ToUtf16("\x81\x60"), std::u16string(u"～"));
  EXPECT_EQ(Cp932ToUtf16("ab\x82\xA0\x5C"), std::u16string(u"abあ\\"));
}

TEST(Cp932Table, EveryCharacterEncodesAsIconvDoes) {
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const std::u16string text(1, static_cast<char16_t>(c));
    const std::string unit{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    ASSERT_EQ(Utf16ToCp932(text), ByIconv("CP932", "UTF-16LE", unit)) << static_cast<int>(c);
  }
  EXPECT_EQ(Utf16ToCp932(u"バージョン２×"),
            std::string("\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51\x81\x7E"));
  EXPECT_FALSE(Utf16ToCp932(u"😀"));
  EXPECT_FALSE(Cp932ToUtf16("\x82"));
}

}  // namespace
