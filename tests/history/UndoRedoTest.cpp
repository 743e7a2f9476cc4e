#include <gtest/gtest.h>

#include <random>

#include "board/ClearAll.h"
#include "board/MouseEditing.h"
#include "board/PlaceArrangement.h"
#include "board/ShiftBoard.h"
#include "fakes/GameWithWords.h"
#include "fakes/TempFolder.h"
#include "files/OpenPuzzle.h"
#include "files/PuzzleFiles.h"
#include "history/UndoRedo.h"
#include "words/WordListPanel.h"

namespace {

class UndoRedo : public ::testing::Test, public GameWithWords {
 protected:
  UndoRedo() : GameWithWords(5, {u"ねこ", u"こま", u"まり", u"りす"}) {
    host.moreRandoms = [] { return 0.0; };  // no random message
  }
  // Where the words lie; unless `placesOnly`, also all else undo gives back:
  // the labels' colours, the selection, the counters and the check.
  std::vector<long long> Now(bool placesOnly = false) const {
    std::vector<long long> seen;
    for (int k = 1; k <= puzzle.WordCount; ++k) {
      const WordEntry& w = puzzle.Word(k);
      seen.insert(seen.end(), {w.Placed, w.Column, w.Row, w.Direction});
      if (!placesOnly) seen.insert(seen.end(), {w.TextColour, w.PointsColour});
    }
    if (!placesOnly)
      seen.insert(seen.end(),
                  {puzzle.SelectedWord, puzzle.PlacedCount, puzzle.Score, puzzle.Incomplete});
    return seen;
  }
  // A command of the player, then the main loop's pass.
  void Do(const std::function<void()>& command) {
    RecordStep(game, command);
    RebuildBoard(puzzle);
  }
  void Press(int k, int button = 1) {
    Do([&] { La_MouseDown(game, k, button); });
    La_MouseUp(game, k, button);
  }
  void PressCell(int x, int y, int button) {
    Do([&] { Pimain_MouseDown(game, button, Centre(x), Centre(y), 251); });
    Pimain_MouseUp(game);
  }
};

TEST_F(UndoRedo, EachKindOfStepIsTakenBackExactlyAndTakenAgainWithoutAQuestion) {
  // Every placement would be interrupted by a random message; every question answered.
  game.Settings.MessageMode = kMessageJokes;
  host.moreRandoms = [] { return 0.99; };
  host.defaultAnswer = 0;
  std::vector<StoredWord> found(4);
  found[2] = {u"まり", 30, 1, 0, 3, 0};
  found[3] = {u"りす", 40, 1, 1, 3, 1};
  const struct {
    const char* kind;
    std::function<void()> choose, step;
  } steps[] = {
      {"place across", [&] { Press(1); }, [&] { PressCell(0, 1, 1); }},
      {"place down, crossing", [&] { Press(2); }, [&] { PressCell(1, 1, 2); }},
      {"take back", [] {}, [&] { Press(1); }},
      {"shift", [&] { Press(3); }, [&] { Do([&] { Co_Click(game, 1); }); }},
      {"clear", [] {}, [&] { Do([&] { Coc_Click(game); }); }},
      {"found arrangement", [&] { Press(4); }, [&] { Do([&] { PlaceArrangement(game, found); }); }},
  };
  for (const auto& s : steps) {
    s.choose();
    const auto before = Now(), places = Now(true);
    s.step();
    const auto after = Now();
    ASSERT_NE(Now(true), places) << s.kind << " moves words";
    const std::size_t dialogs = host.dialogs.size();
    host.sounds.clear();
    Undo(game);
    EXPECT_EQ(Now(), before) << s.kind;
    Redo(game);
    EXPECT_EQ(Now(), after) << s.kind;
    EXPECT_EQ(host.sounds, std::vector<int>{1}) << s.kind << ": undo takes back, redo places";
    EXPECT_EQ(host.dialogs.size(), dialogs) << s.kind;
  }
  Undo(game);
  PressCell(0, 0, 1);  // places りす, selected again by the undo
  EXPECT_FALSE(game.History.CanRedo()) << "a new step forgets the step taken back";
}

TEST_F(UndoRedo, TwoHundredRandomStepsAreUndoneToTheEmptyBoardAndRedoneToTheSameState) {
  game.Settings.MessageMode = kMessageNone;
  std::mt19937 random(29);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<std::vector<long long>> before, after;
  while (after.size() < 200) {
    const auto now = Now();
    const auto places = Now(true);
    switch (pick(3)) {
      case 0:
        Press(1 + pick(4), 1 + pick(2));
        break;
      case 1:
        PressCell(pick(5), pick(5), 1 + pick(2));
        break;
      default:
        Do([&] { pick(8) == 0 ? Coc_Click(game) : Co_Click(game, pick(4)); });
    }
    if (Now(true) != places) {
      before.push_back(now);
      after.push_back(Now());
    }
  }
  const std::int32_t best = puzzle.BestScore;
  for (std::size_t i = after.size(); i-- > 0;) {
    Undo(game);
    ASSERT_EQ(Now(), before[i]) << "undoing step " << i;
  }
  EXPECT_FALSE(game.History.CanUndo());
  EXPECT_EQ(puzzle.PlacedCount, 0);
  EXPECT_EQ(puzzle.BestScore, best) << "MAX never falls";
  for (std::size_t i = 0; i < after.size(); ++i) {
    Redo(game);
    ASSERT_EQ(Now(), after[i]) << "redoing step " << i;
  }
  EXPECT_FALSE(game.History.CanRedo());
  TempFolder folder;
  WriteTestPuzzle(folder.Path("other.tbr"), TestPuzzle(3));
  OpenChosenPuzzle(game, folder.Path("other.tbr"));
  EXPECT_FALSE(game.History.CanUndo()) << "opening forgets every step";
}

TEST(MoveHistory, PastItsSizeItForgetsItsOldestSteps) {
  MoveHistory history;
  for (int step = 1; step <= 10; ++step) {
    Move move;
    move.changes.resize(MoveHistory::kMostBytes / 4 / sizeof(Move::Change));
    move.placedAfter = step;
    history.Record(std::move(move));
  }
  for (int newest : {10, 9, 8}) EXPECT_EQ(history.StepBack()->placedAfter, newest);
  EXPECT_EQ(history.StepBack(), nullptr);
}

}  // namespace
