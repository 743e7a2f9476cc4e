// The player's records on the real store: SQLite in a temporary folder,
// children killed in the middle of writing, two writers at once, damaged files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fakes/GameWithWords.h"
#include "fakes/TempFolder.h"
#include "fakes/WriteLimit.h"
#include "files/PuzzleFiles.h"
#include "platform/ByteFile.h"
#include "platform/Utf8.h"
#include "records/Fingerprint.h"
#include "records/PlayRecorder.h"
#include "records/Records.h"
#include "records/RecordsFile.h"
#include "records/RecordsKeeper.h"
#include "records/Statistics.h"

namespace {

PuzzleRecord Known(const std::string& fingerprint, const std::string& name = "p") {
  PuzzleRecord r;
  r.fingerprint = fingerprint;
  r.name = name;
  r.size = 10;
  r.words = 5;
  r.leftBoard = {1, 2, 3};
  return r;
}

std::unique_ptr<Sqlite> Open(const TempFolder& folder) {
  OpenedRecords opened = OpenRecordsFile(folder.Path(), "2026-12-09");
  EXPECT_EQ(opened.notice, u"");
  return std::move(opened.db);
}

// What the file holds of a puzzle, read through a connection of its own.
PuzzleRecord Stored(const TempFolder& folder, const std::string& fingerprint) {
  Sqlite db(folder.Path(kRecordsFileName));
  return Records(db).Find(fingerprint).value_or(PuzzleRecord{});
}

int PlacedIn(const Bytes& board) {
  const auto decoded = DecodePuzzleFile(board);
  const auto* file = std::get_if<PuzzleFile>(&decoded);
  return file ? static_cast<int>(std::count_if(file->Entries.begin(), file->Entries.end(),
                                               [](const auto& e) { return e.Placed; }))
              : -1;
}

// Runs `work` in a child process and returns its pid.
template <typename Work>
pid_t Child(Work work) {
  const pid_t pid = fork();
  if (pid == 0) {
    work();
    _exit(0);
  }
  return pid;
}

TEST(Fingerprint, NamesTheContentNotThePlacementTheLayoutOrTheOrder) {
  const PuzzleFile puzzle = TestPuzzle(5);
  const std::string id = Fingerprint(puzzle);
  EXPECT_EQ(Fingerprint(TestPuzzle(5, false)), id) << "re-saved in the 60-entry layout";
  EXPECT_EQ(Fingerprint(TestPuzzle(5, true, 3)), id) << "with words placed";
  PuzzleFile reordered = puzzle;
  std::swap(reordered.Entries[0], reordered.Entries[4]);
  EXPECT_EQ(Fingerprint(reordered), id);

  PuzzleFile word = puzzle, points = puzzle;
  word.Entries[2].Text += u"あ";
  points.Entries[2].Points += 1;
  for (const PuzzleFile& other : {word, points, TestPuzzle(5, true, 0, 11), TestPuzzle(4)})
    EXPECT_NE(Fingerprint(other), id);
}

TEST(Records, WhatIsWrittenIsReadBackAndBestsOnlyRise) {
  TempFolder folder;
  auto db = Open(folder);
  Records records(*db);
  PuzzleRecord known = Known("a", "はじめて");
  known.target = 280;
  known.level = "hard";
  records.Remember(known);
  records.Played("a", "2026-12-09 10:00:00");
  records.RecordBest("a", 250, {9}, "2026-12-09 10:05:00");
  records.RecordBest("a", 200, {8}, "2026-12-09 10:06:00");
  records.Remember(Known("b"));
  records.Played("b", "2026-12-09 11:00:00");
  known.name = "other name";
  known.target = 270;
  known.level = "";
  records.Remember(known);

  const PuzzleRecord a = *records.Find("a");
  EXPECT_EQ(a.name, "はじめて") << "a puzzle keeps its first name";
  EXPECT_EQ(a.level, "hard");
  EXPECT_EQ(a.target, 280) << "a target never falls";
  EXPECT_EQ(a.best, 250);
  EXPECT_EQ(a.bestBoard, (Bytes{9}));
  EXPECT_EQ(a.leftBoard, (Bytes{9})) << "the best board is the board as left";
  EXPECT_EQ(a.firstPlayed, "2026-12-09 10:00:00");

  records.RecordBest("a", 300, {7}, "2026-12-09 12:00:00");
  EXPECT_EQ(records.Find("a")->target, 300) << "a best past the target raises it";
  const auto list = records.List();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].fingerprint, "a") << "most recently played first";
  EXPECT_FALSE(records.Find("c"));
}

TEST(Records, AKilledWriterLosesNothingItCommitted) {
  TempFolder folder;
  Open(folder).reset();
  auto board = [](long long n) { return Bytes(2000, static_cast<std::uint8_t>(n)); };
  int pipe_[2];
  ASSERT_EQ(pipe(pipe_), 0);
  // Each commit is a puzzle of its own, reported once it is committed.
  const pid_t writer = Child([&] {
    close(pipe_[0]);
    auto db = Open(folder);
    Records records(*db);
    for (long long n = 1;; ++n) {
      PuzzleRecord puzzle = Known(std::to_string(n));
      puzzle.leftBoard = board(n);
      records.Remember(puzzle);
      if (write(pipe_[1], &n, sizeof n) != sizeof n) _exit(1);
    }
  });
  close(pipe_[1]);
  long long committed = 0;
  while (committed < 300 && read(pipe_[0], &committed, sizeof committed) == sizeof committed) {
  }
  kill(writer, SIGKILL);
  waitpid(writer, nullptr, 0);
  for (long long more; read(pipe_[0], &more, sizeof more) == sizeof more;) committed = more;
  close(pipe_[0]);
  ASSERT_GE(committed, 300) << "the writer stopped before it was killed";

  auto db = Open(folder);
  Statement check = db->Prepare("PRAGMA integrity_check");
  ASSERT_TRUE(check.Step());
  EXPECT_EQ(check.Text(0), "ok");
  Records records(*db);
  for (long long n = 1; n <= committed; ++n) {
    const auto kept = records.Find(std::to_string(n));
    ASSERT_TRUE(kept) << "commit " << n << " of " << committed << " lost";
    EXPECT_EQ(kept->leftBoard, board(n));
  }
}

TEST(Records, TwoGamesWritingAtOnceBothKeepEverything) {
  TempFolder folder;
  Open(folder).reset();
  std::vector<pid_t> writers;
  for (int game = 0; game < 2; ++game) {
    writers.push_back(Child([&folder, game] {
      RecordsKeeper keeper(folder.Path(), "2026-12-09");
      keeper.Write([](Records& r) { r.Remember(Known("shared")); });
      for (int i = 0; i < 100; ++i) {
        keeper.Write([game, i](Records& r) {
          r.Remember(Known(std::to_string(game) + "-" + std::to_string(i)));
          r.RecordBest("shared", 2 * i + game, {}, "now");
        });
      }
    }));
  }
  for (pid_t writer : writers) {
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  auto db = Open(folder);
  Records records(*db);
  EXPECT_EQ(records.List().size(), 201u);
  EXPECT_EQ(records.Find("shared")->best, 199);
}

TEST(Records, ADamagedOrNewerFileIsMovedAsideUnchangedAndANewOneBegun) {
  TempFolder folder;
  const std::string file = folder.Path(kRecordsFileName);
  const Bytes garbage(5000, 0x5A);
  ASSERT_TRUE(ReplaceFile(file, garbage));
  OpenedRecords opened = OpenRecordsFile(folder.Path(), "2026-12-09");
  ASSERT_TRUE(opened.db);
  EXPECT_NE(opened.notice.find(u"Records-2026-12-09.db"), std::u16string::npos);
  EXPECT_EQ(ReadBytes(folder.Path("Records-2026-12-09.db")), garbage);
  // From a newer game, and with a damaged header byte that reads as a
  // negative version.
  int moved = 1;
  for (const char* version : {"99", "-1"}) {
    SCOPED_TRACE(version);
    Records(*opened.db).Remember(Known("a"));
    opened.db.reset();
    Sqlite(file).Execute(std::string("PRAGMA user_version = ") + version);
    const Bytes before = *ReadBytes(file);
    opened = OpenRecordsFile(folder.Path(), "2026-12-09");
    const std::string aside = "Records-2026-12-09-" + std::to_string(++moved) + ".db";
    EXPECT_NE(opened.notice.find(*Utf8ToUtf16(aside)), std::u16string::npos);
    EXPECT_EQ(ReadBytes(folder.Path(aside)), before);
    ASSERT_TRUE(opened.db);
    EXPECT_FALSE(Records(*opened.db).Find("a")) << "a new, empty database";
  }
}

TEST(Records, AFileThatCannotBeOpenedIsLeftAsItIsAndPlayGoesOnWithoutRecords) {
  TempFolder folder;
  Records(*Open(folder)).Remember(Known("a"));
  const std::string file = folder.Path(kRecordsFileName);
  const Bytes before = *ReadBytes(file);
  namespace fs = std::filesystem;
  fs::permissions(folder.Path(), fs::perms::all);
  fs::permissions(file, fs::perms::none);  // another user's file, say
  const pid_t player = Child([&] {
    // Root reads any file: the player is someone else.
    if (getuid() == 0 && setresuid(65534, 65534, 65534) != 0) _exit(2);
    const OpenedRecords opened = OpenRecordsFile(folder.Path(), "2026-12-09");
    _exit(!opened.db && opened.notice == u"記録のファイルを開けません。記録なしで遊べます。" ? 0
                                                                                             : 1);
  });
  int status = 0;
  waitpid(player, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << WEXITSTATUS(status);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(fs::exists(folder.Path("Records-2026-12-09.db"))) << "nothing moved aside";
}

TEST(Sqlite, ACommitHeldUpByAReaderIsUndoneAndTheNextWriteGoesThrough) {
  TempFolder folder;
  Sqlite db(folder.Path("x.db"));  // a rollback journal: a reader holds up a commit
  db.Execute("CREATE TABLE t (a); INSERT INTO t VALUES (1); PRAGMA busy_timeout = 10");
  {
    Sqlite other(folder.Path("x.db"));
    Statement reading = other.Prepare("SELECT a FROM t");
    ASSERT_TRUE(reading.Step());
    EXPECT_THROW(db.Transaction([&] { db.Execute("UPDATE t SET a = 2"); }), SqliteError);
  }
  db.Transaction([&] { db.Execute("UPDATE t SET a = 3"); });
  EXPECT_EQ(Sqlite(folder.Path("x.db")).Value("SELECT a FROM t"), 3);
}

TEST(RecordsKeeper, AFailedCommitIsUndoneSaidOnceAndWritingGoesOnOnceTheDiskHasRoom) {
  TempFolder folder;
  RecordsKeeper keeper(folder.Path(), "2026-12-09");
  keeper.Write([](Records& r) { r.Remember(Known("a")); });
  keeper.Flush();
  EXPECT_EQ(keeper.TakeNotice(), u"");
  auto best = [&keeper](long long score, std::size_t bytes) {
    keeper.Write([=](Records& r) { r.RecordBest("a", score, Bytes(bytes, 7), "now"); });
    keeper.Flush();
  };
  {
    const WriteLimit full(std::filesystem::file_size(folder.Path("Records.db-wal")));
    best(10, 100000);
    EXPECT_NE(keeper.TakeNotice().find(u"記録を残せません"), std::u16string::npos);
    best(11, 100000);
    EXPECT_EQ(keeper.TakeNotice(), u"") << "said once";
    EXPECT_EQ(Stored(folder, "a").best, std::nullopt) << "nothing of a failed write is kept";
  }
  best(20, 10);
  EXPECT_EQ(Stored(folder, "a").best, 20);
}

TEST(RecordsKeeper, AnythingThrownOnTheRecordsThreadIsSaidOnceAndTheThreadGoesOn) {
  TempFolder folder;
  RecordsKeeper keeper(folder.Path(), "2026-12-09");
  keeper.Write([](Records&) { throw std::bad_alloc(); });
  keeper.Write([](Records&) {
    throw std::filesystem::filesystem_error("exists", std::make_error_code(std::errc::io_error));
  });
  int answer = 0;
  keeper.Ask<int>([](Records&) -> int { throw std::bad_alloc(); }, 7, [&](int a) { answer = a; });
  keeper.Write([](Records& r) { r.Remember(Known("a")); });
  keeper.Flush();
  EXPECT_NE(keeper.TakeNotice(), u"");
  EXPECT_EQ(keeper.TakeNotice(), u"") << "said once";
  EXPECT_EQ(Stored(folder, "a").fingerprint, "a") << "the next change is kept";
  keeper.DeliverAnswers();
  EXPECT_EQ(answer, 7) << "a question that fails is answered all the same";
}

TEST(PlayRecorder, TheBoardAsLeftIsWrittenAtMostEveryFewSecondsAndWhenLeft) {
  TempFolder folder;
  RecordsKeeper keeper(folder.Path(), "2026-12-09");
  PlayRecorder recorder(keeper);
  GameWithWords play(5, {u"ねこ", u"いぬ"});
  recorder.Opened(play.game, Known(""));
  const std::string id = recorder.Current()->fingerprint;
  auto placedAsKept = [&] {
    keeper.Flush();
    return PlacedIn(Stored(folder, id).leftBoard);
  };

  play.puzzle.Word(1).Placed = 1;
  play.puzzle.Incomplete = 1;  // no complete board: only the board as left is kept
  recorder.Observe(play.game, 5000);
  EXPECT_EQ(placedAsKept(), 1);
  play.puzzle.Word(1).Placed = 0;
  recorder.Observe(play.game, 6000);
  EXPECT_EQ(placedAsKept(), 1) << "a second later: not yet";
  recorder.Observe(play.game, 8000);
  EXPECT_EQ(placedAsKept(), 0) << "three seconds later";
  play.puzzle.Word(1).Placed = 1;
  recorder.Observe(play.game, 8500);
  recorder.Leave();
  EXPECT_EQ(placedAsKept(), 1) << "leaving the puzzle writes what is left";
}

TEST(PlayRecorder, ACompleteFileThatBeatsTheBestIsKeptWithItsOwnBoard) {
  TempFolder folder;
  RecordsKeeper keeper(folder.Path(), "2026-12-09");
  PlayRecorder recorder(keeper);
  GameWithWords play(5, {u"ねこ", u"いぬ", u"とり"});
  play.puzzle.Incomplete = 0;
  auto place = [&play](int k, int placed) {
    play.puzzle.Word(k).Placed = static_cast<std::int16_t>(placed);
    play.puzzle.Word(k).Row = static_cast<std::int16_t>(k);
    play.puzzle.PlacedCount += placed ? 1 : -1;
    play.puzzle.Score += (placed ? 1 : -1) * play.puzzle.Word(k).Points;
  };
  auto answered = [&keeper] {
    keeper.Flush();
    keeper.DeliverAnswers();
  };
  auto stored = [&] {
    keeper.Flush();
    return Stored(folder, recorder.Current()->fingerprint);
  };
  place(1, 1);
  recorder.Opened(play.game, Known(""));
  answered();
  recorder.Observe(play.game, 0);

  // The same puzzle solved further elsewhere: a file with two words placed.
  place(2, 1);
  recorder.Leave();
  recorder.Opened(play.game, Known(""));
  answered();
  recorder.Observe(play.game, 0);
  EXPECT_EQ(stored().best, 30);
  EXPECT_EQ(PlacedIn(stored().bestBoard), 2) << "the board that made the best";
  EXPECT_EQ(PlacedIn(stored().leftBoard), 2) << "the board on screen";

  // One with three, its third word taken back before the records answer.
  place(3, 1);
  recorder.Leave();
  recorder.Opened(play.game, Known(""));
  recorder.Observe(play.game, 0);
  place(3, 0);
  recorder.Observe(play.game, 0);
  answered();
  recorder.Observe(play.game, 0);
  recorder.Leave();
  EXPECT_EQ(stored().best, 60) << "judged when the records answer";
  EXPECT_EQ(PlacedIn(stored().bestBoard), 3);
  EXPECT_EQ(PlacedIn(stored().leftBoard), 2);
}

TEST(Statistics, StreaksRunAcrossMonthAndYearEndsAndEndOnAMissedDay) {
  auto day = [](const char* date, bool reached) { return DailyRecord{date, "f", 10, reached}; };
  const std::vector<DailyRecord> days{
      day("2026-02-27", true), day("2026-02-28", true), day("2026-03-01", true),
      day("2026-03-02", true), day("2026-03-04", true), day("2026-12-30", true),
      day("2026-12-31", true), day("2027-01-01", true), day("2027-01-02", false)};
  using namespace std::chrono;
  const DailyStatistics open = CountDays(days, 2027y / January / 2d);
  EXPECT_EQ(open.played, 9);
  EXPECT_EQ(open.reached, 8);
  EXPECT_EQ(open.longest, 4) << "February into March";
  EXPECT_EQ(open.streak, 3) << "today, still open, does not end it";
  EXPECT_EQ(CountDays(days, 2027y / January / 3d).streak, 0) << "a missed day ends it";
  EXPECT_EQ(CountDays(days, 2027y / January / 1d).streak, 3) << "today reached counts";
}

}  // namespace
