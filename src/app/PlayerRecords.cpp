#include "app/PlayerRecords.h"

#include <QGuiApplication>
#include <QLabel>

#include "app/Formain.h"
#include "chooser/PuzzleChooser.h"
#include "files/OpenPuzzle.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"
#include "platform/LocalDate.h"
#include "platform/QtText.h"
#include "records/OpenRecordedPuzzle.h"
#include "records/ShippedPuzzles.h"
#include "statistics/RecordsWindow.h"

namespace {

constexpr std::u16string_view kTitle = u"ツブラ";

}  // namespace

PlayerRecords::PlayerRecords(Game& game, Formain& window, const KeyState& keys, const QIcon& icon,
                             const GameFolders& folders, std::function<void(Day)> openDay)
    : game_(game),
      window_(window),
      keys_(keys),
      icon_(icon),
      openDay_(std::move(openDay)),
      folders_(folders),
      keeper_(folders.data, DateText(LocalDate())),
      recorder_(keeper_) {}

RecordsKeeper& PlayerRecords::Keeper() {
  if (!keeper_.Started()) {
    keeper_.Write([shipped = folders_.shipped, player = folders_.puzzles](Records& records) {
      RememberShipped(records, shipped, player);
    });
  }
  return keeper_;
}

PlayerRecords::~PlayerRecords() {
  delete chooser_.data();
  delete recordsWindow_.data();
  Finish();
}

void PlayerRecords::PuzzleOpened() {
  PuzzleRecord known = origin_.value_or(PuzzleRecord{});
  origin_.reset();
  if (known.name.empty())
    known.name = game_.OpenedPath.empty() ? game_.MadeName : BaseName(game_.OpenedPath);
  if (known.path.empty()) known.path = game_.OpenedPath;
  Keeper();
  recorder_.Opened(game_, std::move(known));
  celebration_.reset();
  ShowLine();
}

void PlayerRecords::AfterPass() {
  if (const std::u16string notice = keeper_.TakeNotice(); !notice.empty())
    game_.host.ShowMessage(notice, kTitle, 1, u"Ok", u"", u"");
  if (auto reached = recorder_.Observe(game_, Milliseconds())) celebration_ = reached;
  ShowLine();
  if (celebration_) Celebrate();
}

void PlayerRecords::Celebrate() {
  if (QGuiApplication::mouseButtons() != Qt::NoButton || keys_.AnyDown()) return;
  const Celebration celebration = *std::exchange(celebration_, std::nullopt);
  // In message mode なし only the line tells.
  if (game_.Settings.MessageMode == kMessageNone) return;
  game_.host.ShowMessage(CelebrationMessage(celebration), kTitle, 1, u"Ok", u"", u"");
}

void PlayerRecords::ShowLine() {
  const PuzzleRecord* current = recorder_.Current();
  const QString line = current ? ToQString(TargetLine(*current)) : QString();
  if (line != window_.TargetLine->text() || line.isEmpty() != window_.TargetLine->isHidden())
    window_.ShowTargetLine(line);
}

void PlayerRecords::Finish() {
  recorder_.Leave();
  keeper_.Flush();
}

bool PlayerRecords::OpenKeptDaily(Day day) {
  const std::string date = DateText(day);
  const auto kept = Keeper().Read<std::optional<PuzzleRecord>>(
      [&date](Records& records) -> std::optional<PuzzleRecord> {
        const auto daily = records.Day(date);
        return daily ? records.Find(daily->fingerprint) : std::nullopt;
      },
      std::nullopt);
  if (!kept || !WhyNotOpenable(*kept).empty()) return false;
  PuzzleRecord origin = *kept;
  origin.daily = date;
  ExpectOpening(origin);
  const bool opened = OpenRecordedPuzzle(game_, *kept);
  ForgetOpening();
  return opened;
}

void PlayerRecords::OpenRecord(const PuzzleRecord& record) {
  if (!PlayerStillWantsToOpen(game_)) return;
  ExpectOpening(record);
  OpenRecordedPuzzle(game_, record);
  ForgetOpening();
}

void PlayerRecords::OpenChooser() {
  if (!chooser_) {
    auto puzzles = Keeper().Read<std::vector<PuzzleRecord>>(
        [](Records& records) { return records.List(); }, {});
    chooser_ = new PuzzleChooser(
        &window_, icon_, std::move(puzzles),
        [this](const std::string& fingerprint) {
          return keeper_.Read<std::optional<PuzzleRecord>>(
              [&fingerprint](Records& records) { return records.Find(fingerprint); }, std::nullopt);
        },
        [this](const PuzzleRecord& record) { OpenRecord(record); });
  }
  chooser_->show();
  chooser_->raise();
  chooser_->activateWindow();
}

void PlayerRecords::OpenRecordsWindow() {
  if (!recordsWindow_) {
    struct Everything {
      std::vector<PuzzleRecord> puzzles;
      std::vector<DailyRecord> days;
    };
    Everything all = Keeper().Read<Everything>(
        [](Records& records) {
          return Everything{records.List(), records.Days()};
        },
        {});
    recordsWindow_ = new RecordsWindow(&window_, icon_, std::move(all.puzzles), std::move(all.days),
                                       LocalDate(), openDay_);
  }
  recordsWindow_->show();
  recordsWindow_->raise();
  recordsWindow_->activateWindow();
}
