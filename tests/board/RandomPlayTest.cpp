#include <gtest/gtest.h>

#include <random>

#include "app/ArrowKeys.h"
#include "board/ClearAll.h"
#include "board/MouseEditing.h"
#include "board/ShiftBoard.h"
#include "fakes/GameWithWords.h"
#include "words/WordListPanel.h"

namespace {

// After every event: the counters match the placed words, and the board
// rebuilt from the word list holds each placed word's characters and end
// markers inside the board.
void ExpectConsistent(PuzzleState& puzzle, int event) {
  int placed = 0, score = 0;
  RebuildBoard(puzzle);
  const int n = puzzle.BoardSize;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    const WordEntry& w = puzzle.Word(k);
    if (w.Placed != 1) continue;
    ++placed;
    score += w.Points;
    ForEachCellOf(w, [&](int x, int y, char16_t c, bool isMarker) {
      const int low = isMarker ? -1 : 0, high = isMarker ? n : n - 1;
      ASSERT_TRUE(x >= low && x <= high && y >= low && y <= high) << "event " << event;
      ASSERT_EQ(puzzle.Board(x, y), c) << "event " << event << " word " << k;
    });
  }
  ASSERT_EQ(puzzle.PlacedCount, placed) << "event " << event;
  ASSERT_EQ(puzzle.Score, score) << "event " << event;
}

TEST(RandomPlay, ThousandsOfRandomEventsKeepTheBoardAndCountersTrue) {
  GameWithWords setup(7, {u"ねこ", u"こま", u"まり", u"りす", u"すし", u"しか", u"かめ", u"めだか",
                          u"ねこ", u"あ", u"いか", u"かに", u"にわとり"});
  Game& game = setup.game;
  std::mt19937 random(7);
  auto uniform = [&](int m) { return static_cast<int>(random() % static_cast<unsigned>(m)); };
  setup.host.moreRandoms = [&] { return std::generate_canonical<double, 32>(random); };
  setup.host.defaultAnswer = 0;
  int placements = 0;
  for (int event = 0; event < 20000; ++event) {
    game.Settings.MessageMode = static_cast<std::int16_t>(uniform(4));
    setup.host.dialogs.clear();
    const int button = std::array{1, 2, 4}[static_cast<std::size_t>(uniform(3))];
    switch (uniform(8)) {
      case 0:
      case 1:
        La_MouseDown(game, 1 + uniform(13), button);
        break;
      case 2:
        La_MouseUp(game, 1 + uniform(13), button);
        break;
      case 3:
      case 4: {
        const int before = game.Puzzle.PlacedCount;
        Pimain_MouseDown(game, button, static_cast<float>(uniform(2500)) / 10,
                         static_cast<float>(uniform(2500)) / 10, 251);
        placements += game.Puzzle.PlacedCount > before;
        break;
      }
      case 5:
        Pimain_MouseUp(game);
        break;
      case 6:
        RunArrowKeyCommand(game, static_cast<ArrowKey>(uniform(4)));
        break;
      default:
        if (uniform(20) == 0) {
          Coc_Click(game);
        } else {
          Co_Click(game, uniform(4));
        }
    }
    ExpectConsistent(game.Puzzle, event);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(placements, 500) << "the events should place plenty of words";
}

}  // namespace
