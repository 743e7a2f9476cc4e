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

void Bring(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

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
  keeper_.DeliverAnswers();
  if (const std::u16string notice = keeper_.TakeNotice(); !notice.empty())
    game_.host.ShowMessage(notice, kTitle, 1, u"Ok", u"", u"");
  if (auto reached = recorder_.Observe(game_, Milliseconds())) celebration_ = reached;
  ShowLine();
  if (celebration_) Celebrate();
}

void PlayerRecords::Celebrate() {
  if (QGuiApplication::mouseButtons() != Qt::NoButton || keys_.AnyDown()) return;
  TellCelebration(game_, *std::exchange(celebration_, std::nullopt));
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

void PlayerRecords::OpenKeptDaily(Day day, std::function<void()> make) {
  if (std::exchange(dailyAsked_, true)) return;
  const std::string date = DateText(day);
  Keeper().Ask<std::optional<RecordedPuzzle>>(
      [date](Records& records) -> std::optional<RecordedPuzzle> {
        const auto daily = records.Day(date);
        return daily ? LookUpPuzzle(records, daily->fingerprint) : std::nullopt;
      },
      std::nullopt,
      [this, date, make = std::move(make)](std::optional<RecordedPuzzle> kept) {
        dailyAsked_ = false;
        if (kept) {
          PuzzleRecord origin = kept->record;
          origin.daily = date;
          ExpectOpening(origin);
          const bool opened = OpenRecordedPuzzle(game_, *kept);
          ForgetOpening();
          if (opened) return;
        }
        make();
      });
}

void PlayerRecords::OpenRecord(const RecordedPuzzle& puzzle) {
  if (!PlayerStillWantsToOpen(game_)) return;
  ExpectOpening(puzzle.record);
  OpenRecordedPuzzle(game_, puzzle);
  ForgetOpening();
}

void PlayerRecords::OpenChooser() {
  if (!chooser_) {
    chooser_ = new PuzzleChooser(
        &window_, icon_,
        [this](const std::string& fingerprint, PuzzleChooser::Reply reply) {
          keeper_.Ask<std::optional<RecordedPuzzle>>(
              [fingerprint](Records& records) { return LookUpPuzzle(records, fingerprint); },
              std::nullopt, std::move(reply));
        },
        [this](const RecordedPuzzle& puzzle) { OpenRecord(puzzle); });
    Keeper().Ask<std::vector<ListedPuzzle>>(
        ListPuzzles, {}, [chooser = chooser_](std::vector<ListedPuzzle> puzzles) {
          if (chooser) chooser->ShowPuzzles(std::move(puzzles));
        });
  }
  Bring(chooser_);
}

void PlayerRecords::OpenRecordsWindow() {
  if (recordsWindow_) return Bring(recordsWindow_);
  struct Everything {
    std::vector<PuzzleRecord> puzzles;
    std::vector<DailyRecord> days;
  };
  Keeper().Ask<Everything>(
      [](Records& records) {
        return Everything{records.List(), records.Days()};
      },
      {},
      [this](Everything all) {
        if (!recordsWindow_) {
          recordsWindow_ = new RecordsWindow(&window_, icon_, std::move(all.puzzles),
                                             std::move(all.days), LocalDate(), openDay_);
        }
        Bring(recordsWindow_);
      });
}
