#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace {

TEST(Cp932, EndMarkerSpaceAndHeaderHaveTheirWindowsBytes) {
  EXPECT_EQ(Utf16ToCp932(u"×"), std::string("\x81\x7E"));
  EXPECT_EQ(Utf16ToCp932(u"　"), std::string("\x81\x40"));
  EXPECT_EQ(Utf16ToCp932(u"バージョン２"),
            std::string("\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51"));
  // Code page 932 keeps the backslash and the wave dash of Windows.
  EXPECT_EQ(Cp932ToUtf16("\x5C"), std::u16string(u"\\"));
  EXPECT_EQ(Cp932ToUtf16("\x81\x60"), std::u16string(u"～"));
}

TEST(Cp932, KanaKanjiAndAsciiRoundTrip) {
  const std::u16string text = u"漢字とかなとABC123ｶﾀｶﾅ①";
  const auto bytes = Utf16ToCp932(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(Cp932ToUtf16(*bytes), text);
}

TEST(Cp932, CutOrInvalidSequencesAreErrorsNotReplacements) {
  EXPECT_FALSE(Cp932ToUtf16("\x82"));
  EXPECT_FALSE(Cp932ToUtf16("ab\x83"));
  EXPECT_FALSE(Utf16ToCp932(u"😀"));
  EXPECT_FALSE(Utf16ToCp932(u"한"));
  EXPECT_EQ(Cp932ToUtf16(""), std::u16string());
}

}  // namespace
