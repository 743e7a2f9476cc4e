#include <gtest/gtest.h>

#include "app/ConfirmQuit.h"
#include "fakes/ScriptedHost.h"

namespace {

struct QuitCase {
  std::int16_t mode;
  std::vector<int> answers;
  std::vector<std::u16string> expectedQuestions;
  bool quits;
};

class ConfirmQuitByMode : public ::testing::TestWithParam<QuitCase> {};

TEST_P(ConfirmQuitByMode, AsksAsTheModeSaysAndQuitsOnlyOnConsent) {
  const QuitCase& c = GetParam();
  ScriptedHost host;
  host.answers.assign(c.answers.begin(), c.answers.end());
  Game game(host);
  game.Settings.MessageMode = c.mode;
  int cancel = 0;
  ConfirmQuit(game, cancel);
  EXPECT_EQ(host.Messages(), c.expectedQuestions);
  EXPECT_EQ(host.terminated, c.quits);
  EXPECT_EQ(cancel, c.quits ? 0 : 1);
  for (const auto& d : host.dialogs) {
    EXPECT_EQ(d.title, u"ツブラ");
    EXPECT_EQ(d.buttonCount, 2);
    EXPECT_EQ(d.caption0, u"はい");
    EXPECT_EQ(d.caption1, u"いいえ");
  }
}

const std::u16string kQuit = u"終了しますか？";
const std::u16string kReally = u"本当に終わります？";
const std::u16string kMore = u"もっとやりたいでしょ";

INSTANTIATE_TEST_SUITE_P(
    Modes, ConfirmQuitByMode,
    ::testing::Values(QuitCase{0, {0}, {kQuit}, true}, QuitCase{0, {1}, {kQuit}, false},
                      QuitCase{3, {0}, {kQuit}, true}, QuitCase{3, {1}, {kQuit}, false},
                      QuitCase{1, {}, {}, true},
                      QuitCase{2, {0, 0, 1}, {kQuit, kReally, kMore}, true},
                      QuitCase{2, {0, 0, 0}, {kQuit, kReally, kMore}, false},
                      QuitCase{2, {0, 1}, {kQuit, kReally}, false},
                      QuitCase{2, {1}, {kQuit}, false}, QuitCase{9, {0}, {kQuit}, true},
                      QuitCase{-1, {1}, {kQuit}, false}));

}  // namespace
