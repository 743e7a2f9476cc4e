// The records' speed: one write as play makes it, durable against a killed
// process, and パズルを選ぶ over a thousand puzzles, opened and filtered.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "NinetyEntryFile.h"
#include "chooser/PuzzleChooser.h"
#include "files/PuzzleFile.h"
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

void BM_ChooserOpensWithAThousandPuzzles(benchmark::State& state) {
  std::vector<PuzzleRecord> puzzles;
  for (int i = 0; i < 1000; ++i) {
    puzzles.push_back(Puzzle(i));
    puzzles.back().lastPlayed = "2026-12-09 20:00:00." + std::to_string(1000 + i);
  }
  for (auto _ : state) {
    PuzzleChooser chooser(
        nullptr, QIcon(), puzzles, [](const std::string&) { return std::nullopt; },
        [](const PuzzleRecord&) {});
    chooser.show();
    QApplication::processEvents();  // laid out and painted
  }
}
BENCHMARK(BM_ChooserOpensWithAThousandPuzzles)->Unit(benchmark::kMillisecond);

void BM_ChooserFiltersAThousandPuzzlesAKeyAtATime(benchmark::State& state) {
  std::vector<PuzzleRecord> puzzles;
  for (int i = 0; i < 1000; ++i) puzzles.push_back(Puzzle(i));
  PuzzleChooser chooser(
      nullptr, QIcon(), puzzles, [](const std::string&) { return std::nullopt; },
      [](const PuzzleRecord&) {});
  chooser.show();
  const QStringList typed{QStringLiteral("パ"), QStringLiteral("パズ"), QStringLiteral("パズル1"),
                          QStringLiteral("パズル12"), QStringLiteral("")};
  int key = 0;
  for (auto _ : state) {
    chooser.Filter->setText(typed[key++ % typed.size()]);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ChooserFiltersAThousandPuzzlesAKeyAtATime)->Unit(benchmark::kMillisecond);

}  // namespace
