// Speed of the game's hot paths: make bench runs them in a release build.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "NinetyEntryFile.h"
#include "SilentOutput.h"
#include "app/GameApp.h"
#include "board/BoardPaint.h"
#include "board/BoardPicture.h"
#include "board/BoardRebuild.h"
#include "board/ClearAll.h"
#include "board/MouseEditing.h"
#include "board/PlaceArrangement.h"
#include "board/ShiftBoard.h"
#include "files/PuzzleFile.h"
#include "history/UndoRedo.h"
#include "platform/Fonts.h"
#include "words/BCheck.h"
#include "words/WordListPanel.h"

namespace {

// Thirty words of thirty characters, one a row: every cell holds a letter.
PuzzleState FullBoard() {
  PuzzleState p;
  p.BoardSize = 30;
  p.WordCount = 30;
  for (int k = 1; k <= 30; ++k) {
    WordEntry& w = p.Word(k);
    for (int i = 0; i < 30; ++i) w.Text.push_back(static_cast<char16_t>(u'あ' + (k + i) % 80));
    w.Placed = 1;
    w.Row = static_cast<std::int16_t>(k - 1);
  }
  RebuildBoard(p);
  return p;
}

void BM_RedrawFullBoard(benchmark::State& state) {
  PuzzleState puzzle = FullBoard();
  SettingsRecord settings;
  BoardPicture picture(nullptr);
  picture.resize(251, 251);
  picture.SetFontPoints(0);
  for (auto _ : state) {
    RebuildBoard(puzzle);
    picture.Clear();  // every pass paints the whole picture
    picture.Show(PaintBoard(puzzle, settings, 251, 251));
  }
}
BENCHMARK(BM_RedrawFullBoard)->Unit(benchmark::kMicrosecond);

void BM_BCheckFullBoard(benchmark::State& state) {
  // The fill snakes through all 900 letters: the deepest fill there is.
  PuzzleState puzzle = FullBoard();
  for (auto _ : state) {
    BCheck(puzzle);
    benchmark::DoNotOptimize(puzzle.Incomplete);
  }
}
BENCHMARK(BM_BCheckFullBoard)->Unit(benchmark::kMicrosecond);

void BM_BCheckCombSnake(benchmark::State& state) {
  // Full even rows joined by single cells at alternating ends.
  PuzzleState puzzle;
  puzzle.BoardSize = 30;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (y % 2 == 0 || x == (y % 4 == 1 ? 29 : 0)) puzzle.Board(x, y) = u'字';
  for (auto _ : state) {
    BCheck(puzzle);
    benchmark::DoNotOptimize(puzzle.Incomplete);
  }
}
BENCHMARK(BM_BCheckCombSnake)->Unit(benchmark::kMicrosecond);

void BM_ReadAndWriteNinetyEntryFile(benchmark::State& state) {
  const Bytes bytes = *EncodePuzzleFile(NinetyEntryFile());
  for (auto _ : state) {
    auto read = DecodePuzzleFile(bytes);
    benchmark::DoNotOptimize(EncodePuzzleFile(std::get<PuzzleFile>(read)));
  }
}
BENCHMARK(BM_ReadAndWriteNinetyEntryFile)->Unit(benchmark::kMicrosecond);

void BM_PlacementRuleOnACrowdedBoard(benchmark::State& state) {
  PuzzleState puzzle = FullBoard();
  puzzle.WordCount = 31;
  puzzle.Word(31).Text = std::u16string(30, u'ん');
  int cell = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        WordFits(puzzle, 31, cell % 30, cell / 30 % 30, cell % 2, 1 - cell % 2));
    ++cell;
  }
}
BENCHMARK(BM_PlacementRuleOnACrowdedBoard);

void BM_StartUpToFirstPaintedWindow(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir folder;
    SilentOutput output;
    GameApp game(folder.path(), output);
    game.StartUp();
    game.RunPass();
    QApplication::processEvents();  // the first paint
  }
}
BENCHMARK(BM_StartUpToFirstPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// Ninety words of 3 to 8 characters from ten letters on a 30 x 30 board, in
// a started game that asks nothing.
struct NinetyWordGame {
  NinetyWordGame() : app(folder.path(), output) {
    app.StartUp();
    std::mt19937 random(90);
    PuzzleState& p = app.State().Puzzle;
    p.BoardSize = 30;
    p.WordCount = 90;
    for (int k = 1; k <= 90; ++k) {
      for (int i = 0, n = 3 + static_cast<int>(random() % 6); i < n; ++i)
        p.Word(k).Text.push_back(static_cast<char16_t>(u'あ' + random() % 10));
      p.Word(k).Points = 10;
    }
    app.State().Settings.MessageMode = kMessageNone;
  }
  // The heap the history holds: what emptying it gives back.
  double HistoryMegabytes() {
    const std::size_t held = mallinfo2().uordblks;
    app.State().History.Clear();
    return static_cast<double>(held - mallinfo2().uordblks) / 1e6;
  }

  QTemporaryDir folder;
  SilentOutput output;
  GameApp app;
};

// Ten thousand steps as a player takes them: mostly placing and taking back
// words, now and then a shift, rarely a clear.
void BM_HistoryOfTenThousandStepsOfPlay(benchmark::State& state) {
  for (auto _ : state) {
    NinetyWordGame setup;
    Game& game = setup.app.State();
    PuzzleState& p = game.Puzzle;
    std::mt19937 random(10000);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int steps = 0;
    while (steps < 10000) {
      const std::vector<StoredWord> before(p.WordList.begin(), p.WordList.end());
      const int roll = pick(100), k = 1 + pick(90);
      RebuildBoard(p);
      if (roll < 60 && p.Word(k).Placed != 1) {
        p.SelectedWord = k;
        RecordStep(game, [&] { Pimain_MouseDown(game, 1 + pick(2), pick(250), pick(250), 251); });
        p.SelectedWord = 0;
      } else if (roll < 85 && p.Word(k).Placed == 1) {
        RecordStep(game, [&] { La_MouseDown(game, k, 1); });
      } else if (roll >= 85 && roll < 99) {
        RecordStep(game, [&] { Co_Click(game, pick(4)); });
      } else if (roll == 99) {
        RecordStep(game, [&] { Coc_Click(game); });
      }
      steps += !std::equal(before.begin(), before.end(), p.WordList.begin());
    }
    state.counters["placed at the end"] = p.PlacedCount;
    state.counters["history MB"] = setup.HistoryMegabytes();
  }
}
BENCHMARK(BM_HistoryOfTenThousandStepsOfPlay)->Unit(benchmark::kMillisecond)->Iterations(1);

// The worst a history can hold: ten thousand steps each moving all ninety
// words, a full board placed by a search and cleared again and again.
void BM_HistoryOfTenThousandFullBoardSteps(benchmark::State& state) {
  for (auto _ : state) {
    NinetyWordGame setup;
    Game& game = setup.app.State();
    std::vector<StoredWord> full(90);
    for (int k = 0; k < 90; ++k) full[static_cast<std::size_t>(k)] = {u"", 10, 1, 0, 0, 0};
    for (int step = 0; step < 10000; step += 2) {
      for (StoredWord& word : full) word.Column = static_cast<std::int16_t>(step % 20);
      RecordStep(game, [&] { PlaceArrangement(game, full); });
      RecordStep(game, [&] { Coc_Click(game); });
    }
    state.counters["history MB"] = setup.HistoryMegabytes();
  }
}
BENCHMARK(BM_HistoryOfTenThousandFullBoardSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
