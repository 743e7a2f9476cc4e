// Speed of the game's hot paths: make bench runs them in a release build.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/GameApp.h"
#include "board/BoardPaint.h"
#include "board/BoardPicture.h"
#include "board/BoardRebuild.h"
#include "board/MouseEditing.h"
#include "files/PuzzleFile.h"
#include "platform/Fonts.h"
#include "words/BCheck.h"

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
  PuzzleFile file;
  file.HasHeader = true;
  file.Entries.resize(90);
  for (int k = 0; k < 90; ++k)
    file.Entries[static_cast<std::size_t>(k)] = {u"ことばあそび", 10 * k, 0, 0, 0, 0};
  file.BoardSize = 30;
  file.WordCount = 90;
  file.MaxWordLength = 6;
  file.CountSuffix = u"個";
  file.ScoreSuffix = u"点";
  const Bytes bytes = *EncodePuzzleFile(file);
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

class SilentOutput : public WaveOutput {
 public:
  void Play(const Bytes&) override {}
};

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

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
