#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "fakes/ScriptedHost.h"
#include "fakes/TempFolder.h"
#include "files/OpenPuzzle.h"
#include "files/PuzzleFiles.h"
#include "files/SavePuzzle.h"

namespace {

class SavePuzzleTest : public ::testing::Test {
 protected:
  ScriptedHost host;
  Game game{host};
  TempFolder folder;
  PuzzleFile original = TestPuzzle(6, true, 1);

  void SetUp() override {
    WriteTestPuzzle(folder.Path("daily.tbr"), original);
    game.SaveFolder = folder.Path();
    host.openFiles.push_back(folder.Path("daily.tbr"));
    host.randoms = {0.1};
    OpenPuzzle(game);
    // A move of the player's: the second word placed too.
    game.Puzzle.Word(2).Placed = 1;
    game.Puzzle.Word(2).Column = 2;
    game.Puzzle.Word(2).Direction = 1;
    game.Puzzle.PlacedCount = 2;
    game.Puzzle.Score = 30;
    host.dialogs.clear();
  }

  Bytes Expected() const { return *EncodePuzzleFile(PuzzleFileOf(game.Puzzle, true)); }
  Bytes Stored(const std::string& name) const {
    return ReadBytes(folder.Path(name)).value_or(Bytes{});
  }
};

TEST_F(SavePuzzleTest, StandardModeSavesAndSaysSo) {
  host.answers = {0};
  SavePuzzle(game);
  EXPECT_EQ(Stored("daily.tbr"), Expected());
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"保存されました。"});
  EXPECT_EQ(host.dialogs[0].caption0, u"Ok");
}

TEST_F(SavePuzzleTest, SilentModeSavesAtOnceUnlessTheBoardIsIncomplete) {
  game.Settings.MessageMode = kMessageNone;
  game.Puzzle.Incomplete = 0;
  SavePuzzle(game);
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_EQ(Stored("daily.tbr"), Expected());

  game.Puzzle.Incomplete = 1;
  game.Puzzle.Score = 40;
  host.answers = {1};
  SavePuzzle(game);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"盤面が不完全ですが保存しますか？"});
  EXPECT_NE(Stored("daily.tbr"), Expected()) << "declined: the file is as it was";
}

TEST_F(SavePuzzleTest, NaggingModeSavesOnlyOnYesYesDontGiveUp) {
  game.Settings.MessageMode = kMessageNagging;
  game.Puzzle.Incomplete = 1;
  for (const std::vector<int>& refusal : {std::vector<int>{1}, {0, 1}, {0, 0, 0}}) {
    host.answers.assign(refusal.begin(), refusal.end());
    SavePuzzle(game);
    EXPECT_EQ(host.dialogs.size(), refusal.size());
    host.dialogs.clear();
    EXPECT_EQ(Stored("daily.tbr"), *EncodePuzzleFile(original));
  }
  host.answers = {0, 0, 1, 0, 0, 0, 0};
  host.randoms = {0.8};  // Int(0.8 × 5 + 1) = 5: the fourth message too
  SavePuzzle(game);
  EXPECT_EQ(Stored("daily.tbr"), Expected());
  EXPECT_EQ(host.Messages(), (std::vector<std::u16string>{
                                 u"盤面が不完全ですが保存しますか？", u"本当に保存しますか？",
                                 u"やめといたら？", u"保存されました。", u"ちゃんと保存したよ。",
                                 u"本当に保存したよ。", u"ぱーぺきに保存したよ。"}));
  EXPECT_EQ(host.dialogs[2].caption0, u"やめる");
  EXPECT_EQ(host.dialogs[2].caption1, u"やめない");
}

TEST_F(SavePuzzleTest, SaveAsNamesTheFileAfterTheBaseNameAndScore) {
  game.Settings.MessageMode = kMessageNagging;
  host.answers = {0, 0};
  SavePuzzleAs(game);
  EXPECT_FALSE(std::filesystem::exists(folder.Path("daily-30.tbr"))) << "\"そうね\" gives up";
  host.answers = {0, 1, 0, 0, 0};
  host.randoms = {0.0};
  SavePuzzleAs(game);
  EXPECT_EQ(Stored("daily-30.tbr"), Expected());
  EXPECT_EQ(Stored("daily.tbr"), *EncodePuzzleFile(original)) << "the opened file is untouched";
  EXPECT_EQ(host.dialogs[1].message, u"もう１回考えなよ。");

  game.Settings.MessageMode = kMessageNone;
  game.Puzzle.Score = -5;
  SavePuzzleAs(game);
  EXPECT_TRUE(std::filesystem::exists(folder.Path("daily--5.tbr")));
  SavePuzzle(game);
  EXPECT_EQ(Stored("daily.tbr"), Expected()) << "Save still writes the opened file";
}

TEST_F(SavePuzzleTest, ASixtyEntryPuzzleIsSavedInItsOwnLayout) {
  WriteTestPuzzle(folder.Path("old.tbr"), TestPuzzle(6, false));
  host.openFiles.push_back(folder.Path("old.tbr"));
  host.randoms = {0.1};
  OpenPuzzle(game);
  game.Settings.MessageMode = kMessageNone;
  SavePuzzle(game);
  EXPECT_EQ(Stored("old.tbr"), *EncodePuzzleFile(TestPuzzle(6, false)));
}

TEST_F(SavePuzzleTest, AFailedWriteKeepsTheOldFileAndTellsThePlayer) {
  const Bytes before = Stored("daily.tbr");
  host.answers = {0, 0};
  // Files may not grow past 100 bytes while saving: the write fails midway.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  SavePuzzle(game);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(Stored("daily.tbr"), before);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"保存できませんでした。"});

  host.dialogs.clear();
  host.answers = {0};
  game.OpenedPath = folder.Path("removed/daily.tbr");  // its folder was removed
  SavePuzzle(game);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"保存できませんでした。"});

  host.dialogs.clear();
  host.answers = {0};
  game.SaveFolder = folder.Path("removed");
  SavePuzzleAs(game);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"保存できませんでした。"});
}

}  // namespace
