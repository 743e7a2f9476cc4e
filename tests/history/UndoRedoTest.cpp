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

// All that undo gives back: the words, their labels' colours, the selection,
// the counters and the check.
struct Seen {
  std::vector<StoredWord> words;
  std::vector<std::pair<Colour, Colour>> colours;
  std::int32_t selected, placed, score;
  std::uint8_t incomplete;
  bool operator==(const Seen&) const = default;
};

class UndoRedo : public ::testing::Test, public GameWithWords {
 protected:
  UndoRedo() : GameWithWords(5, {u"ねこ", u"こま", u"まり", u"りす"}) {
    host.moreRandoms = [] { return 0.0; };  // no random message
  }

  Seen Now() const {
    Seen seen{{}, {}, puzzle.SelectedWord, puzzle.PlacedCount, puzzle.Score, puzzle.Incomplete};
    for (int k = 1; k <= puzzle.WordCount; ++k) {
      seen.words.push_back(puzzle.Word(k));
      seen.colours.emplace_back(puzzle.Word(k).TextColour, puzzle.Word(k).PointsColour);
    }
    return seen;
  }
  void Press(int k, int button = 1) {
    RecordStep(game, [&] { La_MouseDown(game, k, button); });
    La_MouseUp(game, k, button);
  }
  void PressCell(int x, int y, int button) {
    RecordStep(game, [&] { Pimain_MouseDown(game, button, Centre(x), Centre(y), 251); });
    Pimain_MouseUp(game);
  }
  void Place(int k, int x, int y, int button) {
    Press(k);
    PressCell(x, y, button);
  }
  void Shift(int direction) {
    RecordStep(game, [&] { Co_Click(game, direction); });
  }
  void Clear() {
    RecordStep(game, [&] { Coc_Click(game); });
  }
};

TEST_F(UndoRedo, EachKindOfStepIsTakenBackExactlyAndTakenAgainWithoutAQuestion) {
  // Every placement would be interrupted by a random message; every question answered.
  game.Settings.MessageMode = kMessageJokes;
  host.moreRandoms = [] { return 0.99; };
  host.defaultAnswer = 0;
  std::vector<StoredWord> arrangement(4);
  arrangement[2] = {u"まり", 30, 1, 0, 3, 0};
  arrangement[3] = {u"りす", 40, 1, 1, 3, 1};
  const struct {
    const char* kind;
    std::function<void()> choose, step;
  } steps[] = {
      {"place across", [&] { Press(1); }, [&] { PressCell(0, 1, 1); }},
      {"place down, crossing", [&] { Press(2); }, [&] { PressCell(1, 1, 2); }},
      {"take back", [] {}, [&] { Press(1); }},
      {"shift", [&] { Press(3); }, [&] { Shift(1); }},
      {"clear", [] {}, [&] { Clear(); }},
      {"the search's arrangement", [&] { Press(4); },
       [&] { RecordStep(game, [&] { PlaceArrangement(game, arrangement); }); }},
  };
  for (const auto& s : steps) {
    s.choose();
    const Seen before = Now();
    s.step();
    const Seen after = Now();
    ASSERT_NE(before.words, after.words) << s.kind;
    const std::size_t dialogs = host.dialogs.size();
    host.sounds.clear();
    Undo(game);
    EXPECT_EQ(Now(), before) << s.kind;
    EXPECT_EQ(host.sounds, std::vector<int>{1}) << s.kind << ": the take-back sound";
    Redo(game);
    EXPECT_EQ(Now(), after) << s.kind;
    EXPECT_EQ(host.sounds, std::vector<int>{1}) << s.kind << ": placing is silent";
    EXPECT_EQ(host.dialogs.size(), dialogs) << s.kind;
  }
  game.Settings.SoundSwitch[1] = 0;
  Undo(game);
  EXPECT_EQ(host.sounds, std::vector<int>{1}) << "the selection switch silences undo";
}

TEST_F(UndoRedo, TwoHundredRandomStepsAreUndoneToTheEmptyBoardAndRedoneToTheSameState) {
  game.Settings.MessageMode = kMessageNone;
  std::mt19937 random(29);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<Seen> before, after;
  while (after.size() < 200) {
    const Seen now = Now();
    RebuildBoard(puzzle);  // as every pass of the main loop does
    switch (pick(6)) {
      case 0:
      case 1:
        Press(1 + pick(4), pick(2) + 1);
        break;
      case 2:
      case 3:
        PressCell(pick(5), pick(5), pick(2) + 1);
        break;
      case 4:
        Shift(pick(4));
        break;
      case 5:
        if (pick(8) == 0) Clear();
        break;
    }
    if (game.History.CanUndo() && Now().words != now.words) {
      before.push_back(now);
      after.push_back(Now());
    }
  }
  for (std::size_t i = after.size(); i-- > 0;) {
    Undo(game);
    ASSERT_EQ(Now(), before[i]) << "undoing step " << i;
  }
  EXPECT_FALSE(game.History.CanUndo());
  EXPECT_EQ(puzzle.PlacedCount, 0);
  for (std::size_t i = 0; i < after.size(); ++i) {
    Redo(game);
    ASSERT_EQ(Now(), after[i]) << "redoing step " << i;
  }
  EXPECT_FALSE(game.History.CanRedo());
}

TEST_F(UndoRedo, MaxNeverFallsANewStepForgetsTheUndoneAndOpeningForgetsAll) {
  Place(1, 0, 1, 1);
  Place(2, 1, 1, 2);
  EXPECT_EQ(puzzle.BestScore, 30);
  Undo(game);
  Undo(game);
  EXPECT_EQ(puzzle.Score, 0);
  EXPECT_EQ(puzzle.BestScore, 30);
  EXPECT_TRUE(game.History.CanRedo());
  Place(3, 0, 0, 1);
  EXPECT_FALSE(game.History.CanRedo());
  EXPECT_TRUE(game.History.CanUndo());

  TempFolder folder;
  const std::string path = folder.Path("other.tbr");
  WriteTestPuzzle(path, TestPuzzle(3));
  OpenChosenPuzzle(game, path);
  EXPECT_FALSE(game.History.CanUndo());
  EXPECT_FALSE(game.History.CanRedo());
}

}  // namespace
