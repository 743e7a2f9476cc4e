// The records' speed: one write as play makes it, durable against a killed
// process; the first puzzle opened with a long record that another game is
// writing to; and パズルを選ぶ over a thousand puzzles, opened and filtered.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <filesystem>

#include "NinetyEntryFile.h"
#include "SilentOutput.h"
#include "app/GameApp.h"
#include "chooser/PuzzleChooser.h"
#include "files/PuzzleFile.h"
#include "platform/ByteFile.h"
#include "records/Records.h"
#include "records/RecordsFile.h"

namespace {

PuzzleRecord Puzzle(int i) {
  PuzzleRecord r;
  r.fingerprint = std::to_string(i);
  r.name = "パズル" + std::to_string(i);
  r.size = 8 + i % 23;
  r.words = 10 + i % 80;
  r.level = i % 3 == 0 ? "easy" : i % 3 == 1 ? "normal" : "hard";
  r.target = 100 * (i % 40);
  return r;
}

void BM_RecordWriteOfANewBest(benchmark::State& state) {
  QTemporaryDir folder;
  OpenedRecords opened = OpenRecordsFile(folder.path().toStdString(), "2026-12-09");
  Records records(*opened.db);
  records.Remember(Puzzle(0));
  const Bytes board = *EncodePuzzleFile(NinetyEntryFile(90));
  long long score = 0;
  for (auto _ : state) records.RecordBest("0", ++score, board, "2026-12-09 20:00:00.000");
}
BENCHMARK(BM_RecordWriteOfANewBest)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A program folder with the shipped pack and a records file of ten thousand
// puzzles, each with a board of ninety words.
struct LongRecord {
  LongRecord() {
    std::filesystem::copy(TSUBURA_PACK, program.path().toStdString());
    ReplaceFile(puzzle.toStdString(), *EncodePuzzleFile(NinetyEntryFile(0)));
    OpenedRecords opened = OpenRecordsFile(data, "2026-12-09");
    Records records(*opened.db);
    for (int i = 0; i < 10000; ++i) {
      PuzzleRecord known = Puzzle(i);
      known.leftBoard = *EncodePuzzleFile(NinetyEntryFile(i % 90));
      records.Remember(known);
    }
  }
  QTemporaryDir program;
  const std::string data = program.path().toStdString() + "/Data";
  const QString puzzle = program.path() + "/ninety.tbr";
};

// From the command to the puzzle on screen, in a started game whose records
// are not open yet, while a second game holds the records' write lock.
void BM_FirstPuzzleOpenedWithTenThousandRecordsAndTheFileLocked(benchmark::State& state) {
  const LongRecord folder;
  Sqlite otherGame(folder.data + "/" + kRecordsFileName);
  for (auto _ : state) {
    state.PauseTiming();
    SilentOutput output;
    auto game = std::make_unique<GameApp>(folder.program.path(), output);
    game->StartUp();
    otherGame.Execute("BEGIN IMMEDIATE");
    state.ResumeTiming();
    game->OpenAtStart(folder.puzzle);
    state.PauseTiming();
    otherGame.Execute("COMMIT");
    game.reset();  // waits for the records to be written
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstPuzzleOpenedWithTenThousandRecordsAndTheFileLocked)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// What the records' thread does first, behind the window's back: the same
// file checked whole and opened.
void BM_TenThousandRecordsOpenedOnTheirThread(benchmark::State& state) {
  const LongRecord folder;
  for (auto _ : state) benchmark::DoNotOptimize(OpenRecordsFile(folder.data, "2026-12-09").db);
}
BENCHMARK(BM_TenThousandRecordsOpenedOnTheirThread)->Unit(benchmark::kMillisecond)->Iterations(5);

// The chooser with its list: the records' answer is not waited for here.
std::unique_ptr<PuzzleChooser> Chooser(std::vector<ListedPuzzle> puzzles) {
  auto chooser = std::make_unique<PuzzleChooser>(
      nullptr, QIcon(), [](const std::string&, const PuzzleChooser::Reply&) {},
      [](const RecordedPuzzle&) {});
  chooser->ShowPuzzles(std::move(puzzles));
  chooser->show();
  return chooser;
}

void BM_ChooserOpensWithAThousandPuzzles(benchmark::State& state) {
  std::vector<ListedPuzzle> puzzles;
  for (int i = 0; i < 1000; ++i) {
    puzzles.push_back({Puzzle(i), u""});
    puzzles.back().record.lastPlayed = "2026-12-09 20:00:00." + std::to_string(1000 + i);
  }
  for (auto _ : state) {
    const auto chooser = Chooser(puzzles);
    QApplication::processEvents();  // laid out and painted
  }
}
BENCHMARK(BM_ChooserOpensWithAThousandPuzzles)->Unit(benchmark::kMillisecond);

void BM_ChooserFiltersAThousandPuzzlesAKeyAtATime(benchmark::State& state) {
  std::vector<ListedPuzzle> puzzles;
  for (int i = 0; i < 1000; ++i) puzzles.push_back({Puzzle(i), u""});
  const auto chooser = Chooser(puzzles);
  const QStringList typed{QStringLiteral("パ"), QStringLiteral("パズ"), QStringLiteral("パズル1"),
                          QStringLiteral("パズル12"), QStringLiteral("")};
  int key = 0;
  for (auto _ : state) {
    chooser->Filter->setText(typed[key++ % typed.size()]);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ChooserFiltersAThousandPuzzlesAKeyAtATime)->Unit(benchmark::kMillisecond);

}  // namespace
