#include <gtest/gtest.h>

#include "fakes/ScriptedHost.h"
#include "fakes/TempFolder.h"
#include "files/OpenPuzzle.h"
#include "files/PuzzleFiles.h"

namespace {

class OpenPuzzleTest : public ::testing::Test {
 protected:
  ScriptedHost host;
  Game game{host};
  TempFolder folder;

  std::string Puzzle(const std::string& name, const PuzzleFile& f) {
    const std::string path = folder.Path(name);
    WriteTestPuzzle(path, f);
    return path;
  }
  void Open(const std::optional<std::string>& path,
            std::initializer_list<double> randoms = {0.35}) {
    host.openFiles.push_back(path);
    host.randoms.insert(host.randoms.end(), randoms);
    OpenPuzzle(game);
  }
};

TEST_F(OpenPuzzleTest, AnOpenedPuzzleFillsTheStateAndTheWindow) {
  game.Puzzle.SelectedWord = 2;
  game.Puzzle.BestScore = 999;
  const std::string path = Puzzle("my.puzzle.tbr", TestPuzzle(5, true, 2));
  Open(path);
  const PuzzleState& p = game.Puzzle;
  EXPECT_EQ(p.WordCount, 5);
  EXPECT_EQ(p.Word(3).Text, std::u16string(1, u'あ' + 3) + u"ん");
  EXPECT_EQ(p.CountSuffix, u"個");
  EXPECT_EQ(p.PlacedCount, 2);
  EXPECT_EQ(p.Score, 30);
  EXPECT_EQ(p.SelectedWord, 0);
  EXPECT_EQ(p.Word(1).TextColour, ColourPlaced);
  EXPECT_EQ(p.Word(2).PointsColour, ColourPlaced);
  EXPECT_EQ(p.Word(3).TextColour, ColourUnplaced);
  EXPECT_EQ(p.Incomplete, 1) << "two separate words";
  EXPECT_EQ(p.BestScore, 999) << "an incomplete board keeps the best score";
  EXPECT_EQ(p.FakeWordIndex, 4);
  EXPECT_EQ(game.OpenedPath, path);
  EXPECT_EQ(game.FileHeader, u"バージョン２");
  EXPECT_EQ(host.text1.back(), std::u16string(path.begin(), path.end()));
  EXPECT_EQ(host.layouts, 1);
  EXPECT_EQ(host.redraws, 2);
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(OpenPuzzleTest, ACompleteBoardSetsTheBestScoreWhateverItWas) {
  game.Puzzle.BestScore = 999;
  Open(Puzzle("one.tbr", TestPuzzle(5, false, 1)));
  EXPECT_EQ(game.Puzzle.Incomplete, 0);
  EXPECT_EQ(game.Puzzle.BestScore, 10);
  EXPECT_EQ(game.FileHeader, u"");
}

TEST_F(OpenPuzzleTest, TheRainbowFontDrawsACellColourForEveryCell) {
  game.Settings.BoardFont = kFontRainbow;
  std::vector<double> randoms(16, 0.5);
  randoms.push_back(0.99);
  host.openFiles.push_back(Puzzle("small.tbr", TestPuzzle(2, true, 0, 4)));
  host.randoms.assign(randoms.begin(), randoms.end());
  OpenPuzzle(game);
  EXPECT_EQ(game.Puzzle.CellColour(3, 3), static_cast<Colour>(0.5 * 1677216));
  EXPECT_EQ(game.Puzzle.CellColour(4, 4), 0u);
  EXPECT_EQ(game.Puzzle.FakeWordIndex, 10);
  EXPECT_TRUE(host.randoms.empty());
}

TEST_F(OpenPuzzleTest, NaggingModeAsksTwiceBeforeTheDialog) {
  game.Settings.MessageMode = kMessageNagging;
  host.answers = {1};
  OpenPuzzle(game);
  EXPECT_EQ(host.Messages(), std::vector<std::u16string>{u"ファイル開くの？"});

  host.answers = {0, 0};
  OpenPuzzle(game);
  ASSERT_EQ(host.dialogs.size(), 3u);
  EXPECT_EQ(host.dialogs[2].message, u"ここはやめとこうよ");
  EXPECT_EQ(host.dialogs[2].caption1, u"いや");

  host.answers = {0, 1};
  Open(Puzzle("a.tbr", TestPuzzle(3)));
  EXPECT_EQ(game.Puzzle.WordCount, 3);
}

TEST_F(OpenPuzzleTest, ACancelledDialogOnlySaysSo) {
  Open(Puzzle("a.tbr", TestPuzzle(3)));
  const int redraws = host.redraws;
  host.openFiles.push_back(std::nullopt);
  OpenPuzzle(game);
  EXPECT_EQ(host.text1.back(), u"キャンセルされました。");
  EXPECT_EQ(host.redraws, redraws + 1);
  EXPECT_EQ(game.Puzzle.WordCount, 3);
  EXPECT_EQ(game.OpenedPath, folder.Path("a.tbr"));
}

TEST_F(OpenPuzzleTest, AFileTheGameCannotUseIsRefusedAndNothingChanges) {
  const std::string good = Puzzle("good.tbr", TestPuzzle(3, true, 1));
  Open(good);
  PuzzleFile bad = TestPuzzle(4);
  bad.BoardSize = 31;
  std::ofstream(folder.Path("cut.tbr"), std::ios::binary) << std::string("\x02\x00\x82", 3);
  // A folder stands for a file that cannot be read once chosen.
  for (const std::string& path : {Puzzle("bad.tbr", bad), folder.Path("cut.tbr"),
                                  folder.Path("vanished.tbr"), folder.Path()}) {
    host.answers = {0};
    host.openFiles.push_back(path);
    OpenPuzzle(game);
    ASSERT_EQ(host.dialogs.size(), 1u) << path;
    EXPECT_EQ(host.dialogs[0].message, u"このファイルは開けません。");
    EXPECT_EQ(host.dialogs[0].buttonCount, 1);
    EXPECT_EQ(host.dialogs[0].caption0, u"Ok");
    host.dialogs.clear();
    EXPECT_EQ(game.Puzzle.WordCount, 3);
    EXPECT_EQ(game.Puzzle.Score, 10);
    EXPECT_EQ(game.OpenedPath, good);
    EXPECT_EQ(host.layouts, 1);
  }
}

TEST(BaseName, IsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(BaseName("/a/b.c/my.puzzle.tbr"), "my");
  EXPECT_EQ(BaseName("/a/noext"), "noext");
  EXPECT_EQ(BaseName("ぱずる.tbr"), "ぱずる");
}

}  // namespace
