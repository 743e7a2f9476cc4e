#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLine.h"

namespace {

StartRequest Read(std::vector<std::string_view> arguments) {
  return ReadCommandLine(arguments);
}

TEST(CommandLine, NothingOrAFileOrTheDayStartsTheGame) {
  const StartRequest plain = Read({});
  EXPECT_EQ(plain.kind, StartRequest::Kind::Play);
  EXPECT_FALSE(plain.daily);
  EXPECT_EQ(plain.puzzle, "");

  const StartRequest file = Read({"a b.tbr", "extra", "words"});
  EXPECT_EQ(file.kind, StartRequest::Kind::Play);
  EXPECT_FALSE(file.daily);
  EXPECT_EQ(file.puzzle, "a b.tbr");

  const StartRequest daily = Read({"--daily"});
  EXPECT_EQ(daily.kind, StartRequest::Kind::Play);
  EXPECT_TRUE(daily.daily);
  EXPECT_EQ(daily.puzzle, "");
}

TEST(CommandLine, HelpWinsWhereverItStands) {
  for (std::string_view help : {"-h", "--help"}) {
    EXPECT_EQ(Read({help}).kind, StartRequest::Kind::Help);
    EXPECT_EQ(Read({"x.tbr", "--bogus", help}).kind, StartRequest::Kind::Help);
  }
  EXPECT_NE(HelpText().find("--daily"), std::string_view::npos);
}

TEST(CommandLine, UnknownOptionsAndADayWithAFileAreRefusedInOneLine) {
  for (std::vector<std::string_view> arguments :
       {std::vector<std::string_view>{"--day"}, {"x.tbr", "-platform"}, {"-"}}) {
    const StartRequest refused = Read(arguments);
    EXPECT_EQ(refused.kind, StartRequest::Kind::Refused);
    EXPECT_NE(refused.refusal.find(arguments.back()), std::string::npos) << refused.refusal;
    EXPECT_EQ(refused.refusal.find('\n'), std::string::npos);
  }
  const StartRequest both = Read({"--daily", "x.tbr"});
  EXPECT_EQ(both.kind, StartRequest::Kind::Refused);
  EXPECT_EQ(both.refusal.find('\n'), std::string::npos);
}

}  // namespace
