// What the page asks of the game: each of its commands runs the same
// handler the desktop's window runs, on one game held here. Commands that may
// ask the player something return only once the page has answered.

#include <emscripten.h>

#include <array>
#include <sstream>

#include "app/ArrowKeys.h"
#include "board/ClearAll.h"
#include "board/MouseEditing.h"
#include "board/ShiftBoard.h"
#include "files/OpenMadePuzzle.h"
#include "files/OpenPuzzle.h"
#include "files/PuzzleFile.h"
#include "files/SavePuzzle.h"
#include "history/UndoRedo.h"
#include "platform/LocalDate.h"
#include "platform/Utf8.h"
#include "records/Achievement.h"
#include "records/Fingerprint.h"
#include "records/OpenRecordedPuzzle.h"
#include "records/Statistics.h"
#include "ui/SettingsFile.h"
#include "ui/SettingsWindow.h"
#include "web/Json.h"
#include "web/PageInput.h"
#include "web/WebHost.h"
#include "words/WordListPanel.h"

namespace {

// Where the page lays the files it hands over and finds the ones saved.
constexpr const char* kSettingsPath = "/data/Data.dat";
constexpr const char* kSaveFolder = "/saves";

WebHost& Page() {
  static WebHost host;
  return host;
}

Game& TheGame() {
  return Page().game;
}

PuzzleRecord RecordOf(double target, int proven, double best) {
  PuzzleRecord record;
  if (target >= 0) record.target = static_cast<long long>(target);
  if (best >= 0) record.best = static_cast<long long>(best);
  record.proven = proven != 0;
  return record;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tsubura_start() {
  Game& game = TheGame();
  game.SaveFolder = kSaveFolder;
  LoadSettings(kSettingsPath, game.Settings);
  Page().ApplyAppearance();
}

EMSCRIPTEN_KEEPALIVE const char* tsubura_state() {
  return KeptForPage(DescribePage(TheGame(), Page().look));
}

EMSCRIPTEN_KEEPALIVE void tsubura_open() {
  OpenPuzzle(TheGame());
}

EMSCRIPTEN_KEEPALIVE void tsubura_open_path(const char* path) {
  OpenChosenPuzzle(TheGame(), std::string(path));
}

EMSCRIPTEN_KEEPALIVE int tsubura_open_made(const char* path, const char* name, const char* heading,
                                           double best, int optimal) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return 0;
  auto decoded = DecodePuzzleFile(*bytes);
  const auto* file = std::get_if<PuzzleFile>(&decoded);
  if (!file) return 0;
  OpenMadePuzzle(TheGame(), *file, name, Utf8ToUtf16(heading).value_or(u""),
                 {static_cast<long long>(best), optimal != 0});
  return 1;
}

EMSCRIPTEN_KEEPALIVE void tsubura_board_down(int column, int row, int button) {
  PressBoardCell(TheGame(), column, row, button);
}

EMSCRIPTEN_KEEPALIVE void tsubura_board_up() {
  Pimain_MouseUp(TheGame());
}

EMSCRIPTEN_KEEPALIVE void tsubura_word_down(int index, int button) {
  Game& game = TheGame();
  RecordStep(game, [&] { La_MouseDown(game, index, button); });
}

EMSCRIPTEN_KEEPALIVE void tsubura_word_up(int index, int button) {
  La_MouseUp(TheGame(), index, button);
}

EMSCRIPTEN_KEEPALIVE void tsubura_shift(int direction) {
  Game& game = TheGame();
  RecordStep(game, [&] { Co_Click(game, direction); });
}

EMSCRIPTEN_KEEPALIVE void tsubura_clear() {
  Game& game = TheGame();
  RecordStep(game, [&] { Coc_Click(game); });
}

EMSCRIPTEN_KEEPALIVE void tsubura_undo() {
  Undo(TheGame());
}

EMSCRIPTEN_KEEPALIVE void tsubura_redo() {
  Redo(TheGame());
}

// 0 up, 1 down, 2 left, 3 right.
EMSCRIPTEN_KEEPALIVE void tsubura_arrow(int key) {
  constexpr std::array<ArrowKey, 4> keys{ArrowKey::Up, ArrowKey::Down, ArrowKey::Left,
                                         ArrowKey::Right};
  if (key >= 0 && key < 4) RunArrowKeyCommand(TheGame(), keys[static_cast<std::size_t>(key)]);
}

EMSCRIPTEN_KEEPALIVE void tsubura_save() {
  SavePuzzle(TheGame());
}

EMSCRIPTEN_KEEPALIVE void tsubura_save_as() {
  SavePuzzleAs(TheGame());
}

// The settings window's choices: 1 cross style, 2 background, 3 board font,
// 4 message mode; each takes effect at once, as there.
EMSCRIPTEN_KEEPALIVE void tsubura_choose_setting(int kind, int value) {
  Game& game = TheGame();
  switch (kind) {
    case 1:
      Option1_Click(game, value);
      break;
    case 2:
      Option2_Click(game, value);
      break;
    case 3:
      Option3_Click(game, value, true);
      break;
    case 4:
      Option4_Click(game, value);
      break;
  }
}

// "OK" of the settings: the five sound boxes, as bits from the first.
EMSCRIPTEN_KEEPALIVE void tsubura_confirm_settings(int soundBoxes) {
  std::array<bool, 5> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = (soundBoxes >> i & 1) != 0;
  Page().ApplyAppearance();
  ConfirmSettings(TheGame(), boxes, kSettingsPath);
}

// The puzzle in play: its fingerprint, as the desktop's records know it, and
// its bytes as a file (the board as it is) at `path`.
EMSCRIPTEN_KEEPALIVE const char* tsubura_fingerprint() {
  return KeptForPage(Fingerprint(PuzzleFileOf(TheGame().Puzzle, true)));
}

EMSCRIPTEN_KEEPALIVE int tsubura_write_board(const char* path) {
  const auto bytes = EncodePuzzleFile(PuzzleFileOf(TheGame().Puzzle, true));
  return bytes && ReplaceFile(path, *bytes) ? 1 : 0;
}

// The records' words. A score or target below 0 is unknown.
EMSCRIPTEN_KEEPALIVE const char* tsubura_target_line(double target, int proven, double best) {
  return KeptForPage(Utf16ToUtf8(TargetLine(RecordOf(target, proven, best))));
}

// Judges the board against the record as it stood: a complete board above the
// best is a new best, told as the desktop tells it when it reaches or beats
// the target (never in message mode なし). "{}" when it is none, else the
// record after it: {"best","target","proven","reached"}, with the board of the
// new best written to `bestPath` before anything is told. Nothing is judged
// once another puzzle has opened since `opening`.
EMSCRIPTEN_KEEPALIVE const char* tsubura_judge(double target, int proven, double best, int opening,
                                               const char* bestPath) {
  const PuzzleState& puzzle = TheGame().Puzzle;
  PuzzleRecord record = RecordOf(target, proven, best);
  if (opening != Page().look.openings || puzzle.Incomplete != 0 || puzzle.PlacedCount == 0 ||
      (record.best && puzzle.Score <= *record.best)) {
    return KeptForPage("{}");
  }
  if (!tsubura_write_board(bestPath)) return KeptForPage("{}");
  const long long score = puzzle.Score;
  const auto celebration = CelebrationOf(record, score);
  TakeNewBest(record, score);
  const std::string answer = "{\"best\":" + std::to_string(score) + ",\"target\":" +
                             (record.target ? std::to_string(*record.target) : "null") +
                             ",\"proven\":" + (record.proven ? "true" : "false") +
                             ",\"reached\":" + (record.Reached() ? "true" : "false") + "}";
  if (celebration) TellCelebration(TheGame(), *celebration);
  return KeptForPage(answer);
}

// A board the page kept (the puzzle as the player left it, at `path`), put
// into play as the desktop opens a puzzle from its records, under `name`.
EMSCRIPTEN_KEEPALIVE int tsubura_open_kept(const char* path, const char* name) {
  RecordedPuzzle kept;
  kept.record.name = name;
  kept.record.leftBoard = ReadBytes(path).value_or(Bytes{});
  return OpenRecordedPuzzle(TheGame(), kept) ? 1 : 0;
}

// Today as the player's clock says, "YYYY-MM-DD".
EMSCRIPTEN_KEEPALIVE const char* tsubura_today() {
  return KeptForPage(DateText(LocalDate()));
}

// A puzzle of the day asked for by its date: 1, with the reason told, when
// there is none to open (not a date, or a day still to come), as the
// calendar offers no such day.
EMSCRIPTEN_KEEPALIVE int tsubura_refuse_day(const char* date) {
  const auto day = ParseDate(date);
  if (day && std::chrono::sys_days(*day) <= std::chrono::sys_days(LocalDate())) return 0;
  TheGame().host.ShowMessage(
      day ? u"まだ来ていない日のパズルは開けません。" : u"その日付のパズルはありません。",
      u"ツブラ", 1, u"Ok", u"", u"");
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* tsubura_daily_result(const char* date, const char* name,
                                                      double target, int proven, double best,
                                                      int streak) {
  PuzzleRecord record = RecordOf(target, proven, best);
  record.name = name;
  return KeptForPage(Utf16ToUtf8(DailyResult(date, record, streak)));
}

// The puzzle of the day's days, "YYYY-MM-DD:1" (target reached) or ":0",
// separated by spaces: {"played","reached","streak","longest"}.
EMSCRIPTEN_KEEPALIVE const char* tsubura_count_days(const char* days, const char* today) {
  std::vector<DailyRecord> records;
  std::istringstream in(days);
  for (std::string day; in >> day;) {
    records.push_back({day.substr(0, 10), "", std::nullopt, day.size() > 11 && day[11] == '1'});
  }
  const auto date = ParseDate(today);
  if (!date) return KeptForPage("{}");
  const DailyStatistics s = CountDays(records, *date);
  return KeptForPage("{\"played\":" + std::to_string(s.played) + ",\"reached\":" +
                     std::to_string(s.reached) + ",\"streak\":" + std::to_string(s.streak) +
                     ",\"longest\":" + std::to_string(s.longest) + "}");
}

}  // extern "C"
