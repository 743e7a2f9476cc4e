#include "app/GameApp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <functional>
#include <map>
#include <thread>

#include "app/ArrowKeys.h"
#include "app/ConfirmQuit.h"
#include "app/EventPump.h"
#include "app/Formain.h"
#include "app/PlayerRecords.h"
#include "board/BoardPaint.h"
#include "board/BoardPicture.h"
#include "board/BoardRebuild.h"
#include "board/ClearAll.h"
#include "board/MouseEditing.h"
#include "board/ShiftBoard.h"
#include "files/OpenMadePuzzle.h"
#include "files/OpenPuzzle.h"
#include "files/SavePuzzle.h"
#include "fun/BackgroundClick.h"
#include "help/HelpWindow.h"
#include "help/VersionInfo.h"
#include "history/UndoRedo.h"
#include "platform/Clock.h"
#include "platform/LocalDate.h"
#include "platform/OpenFileDialog.h"
#include "platform/QtText.h"
#include "platform/ScreenScale.h"
#include "platform/Utf8.h"
#include "search/SearchWindow.h"
#include "ui/Appearance.h"
#include "ui/Formain2.h"
#include "ui/Formain3.h"
#include "ui/NewPuzzleWindow.h"
#include "ui/PlaySoundEffect.h"
#include "ui/SettingsFile.h"
#include "ui/Zoom.h"
#include "words/WordLabel.h"
#include "words/WordListPanel.h"

namespace {

// The 64 x 64 program icon; on a dense screen also larger drawings of it,
// which keep the window icon and the sprites sharp there.
QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/tsubura.png"));
  if (qApp->devicePixelRatio() > 1) {
    for (int size : {128, 256}) icon.addFile(QStringLiteral(":/tsubura-%1.png").arg(size));
  }
  return icon;
}

}  // namespace

GameApp::GameApp(const QString& appDir, WaveOutput& waveOutput)
    : appDir_(appDir.toStdString()), sounds_(waveOutput), icon_(ProgramIcon()) {}

GameApp::~GameApp() = default;

void GameApp::StartUp() {
  window_ = std::make_unique<Formain>(icon_);
  window_->show();
  window_->SetOuterSizeTwips(4150, 660);  // a strip: title and menu bar
  window_->Pimain->resize(251, 251);
  random_.SeedFromClock();
  ConnectWindow();
  // The puzzle starts empty: no words, an empty board, the blank suffixes,
  // every setting 0 and nothing selected.
  game_.Puzzle = PuzzleState{};
  game_.Settings = SettingsRecord{};
  window_->EnablePuzzleCommands(false);
  window_->ShowZoom(ReadZoom(ZoomFilePath()));
  folders_ = ChooseGameFolders(QString::fromStdString(appDir_));
  game_.SaveFolder = folders_.saves;
  LoadSettings(SettingsPath(), game_.Settings);
  window_->show();
  ApplyAppearance();
  sounds_.LoadSoundClips(folders_.data);
  records_ = std::make_unique<PlayerRecords>(
      game_, *window_, keys_, icon_, folders_,
      [this](std::chrono::year_month_day day) { OpenDailyPuzzle(day); });
}

void GameApp::OpenAtStart(const QString& path) {
  const QFileInfo file(path);
  OpenChosenPuzzle(
      game_, file.exists() ? std::optional(file.absoluteFilePath().toStdString()) : std::nullopt);
}

void GameApp::OpenTodaysPuzzle() {
  OpenDailyPuzzle(LocalDate());
}

void GameApp::ConnectWindow() {
  window_->CloseRequested = [this](bool& cancel) {
    int flag = 0;
    ConfirmQuit(game_, flag);
    cancel = flag != 0;
  };
  Formain* w = window_.get();
  QObject::connect(w, &Formain::menuCommand, w,
                   [this](const QString& name) { RunMenuCommand(name); });
  QObject::connect(w->Pimain, &BoardPicture::pressed, w, [this](int button, double x, double y) {
    RecordStep(game_, [&] {
      Pimain_MouseDown(game_, button, static_cast<float>(x), static_cast<float>(y),
                       window_->Pimain->width());
    });
  });
  QObject::connect(w->Pimain, &BoardPicture::released, w, [this] { Pimain_MouseUp(game_); });
  for (int k = 1; k <= kMaxWords; ++k) {
    for (WordLabel* label : {w->La[k], w->La2[k]}) {
      QObject::connect(label, &WordLabel::pressed, w, [this](int index, int button) {
        RecordStep(game_, [&] { La_MouseDown(game_, index, button); });
      });
      QObject::connect(label, &WordLabel::released, w,
                       [this](int index, int button) { La_MouseUp(game_, index, button); });
    }
  }
  for (int direction = 0; direction < 4; ++direction) {
    QObject::connect(w->Co[static_cast<std::size_t>(direction)], &QPushButton::clicked, w,
                     [this, direction] { ShiftBoard(direction); });
  }
  QObject::connect(w->Coc, &QPushButton::clicked, w, [this] { ClearBoard(); });
  QObject::connect(w, &Formain::backgroundClicked, w, [this] { Form_Click(game_, *this); });
}

void GameApp::OpenSettings() {
  Formain2 settings(window_.get(), icon_, game_, SettingsPath(), [this] { ApplyAppearance(); });
  settings.exec();
}

void GameApp::ChooseZoom(int percent) {
  const std::string path = ZoomFilePath();
  const int stored = ReadZoom(path);
  if (percent == stored) return;
  QDir().mkpath(PerUserFolder());
  if (!WriteZoom(path, percent)) {
    window_->ShowZoom(stored);
    ShowMessage(u"表示の大きさを保存できませんでした。", u"ツブラ", 1, u"Ok", u"", u"");
    return;
  }
  // Qt takes its scale factor only when the program starts.
  ShowMessage(ToU16(QStringLiteral("次に起動したときに表示が%1%になります。").arg(percent)),
              u"ツブラ", 1, u"Ok", u"", u"");
}

void GameApp::ShiftBoard(int direction) {
  window_->Pimain->setFocus();
  RecordStep(game_, [&] { Co_Click(game_, direction); });
}

void GameApp::ClearBoard() {
  window_->Pimain->setFocus();
  RecordStep(game_, [&] { Coc_Click(game_); });
}

void GameApp::OpenHelp() {
  if (!help_) help_ = new HelpWindow(window_.get(), icon_);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void GameApp::OpenSearch() {
  if (!search_) {
    const PuzzleState& puzzle = game_.Puzzle;
    SearchJob job = PrepareSearch(puzzle, std::thread::hardware_concurrency(),
                                  static_cast<std::uint64_t>(Milliseconds()));
    search_ = new SearchWindow(window_.get(), icon_, std::move(job), ToQString(puzzle.ScoreSuffix),
                               [this](const SearchJob& found, const Arrangement& arrangement) {
                                 RecordStep(game_, [&] { PlaceFound(game_, found, arrangement); });
                               });
  }
  search_->show();
  search_->raise();
  search_->activateWindow();
}

void GameApp::OpenDailyPuzzle(std::chrono::year_month_day day) {
  records_->OpenKeptDaily(day, [this, day] { MakePuzzle(true, day); });
}

void GameApp::MakePuzzle(bool daily, std::chrono::year_month_day day) {
  auto themes = LoadThemes(folders_.words);
  auto* loaded = std::get_if<std::vector<Theme>>(&themes);
  if (!loaded || loaded->empty()) {
    ShowMessage(u"言葉のリストが見つかりません。", u"ツブラ", 1, u"Ok", u"", u"");
    return;
  }
  NewPuzzleWindow window(window_.get(), icon_,
                         daily ? NewPuzzleWindow::Kind::Daily : NewPuzzleWindow::Kind::Chosen,
                         std::move(*loaded), static_cast<std::uint64_t>(Milliseconds()), day);
  if (window.exec() != QDialog::Accepted || !window.Made()) return;
  const ThemedPuzzle& made = *window.Made();
  const auto [heading, name] = HeadingAndName(made.heading, daily, day);
  PuzzleRecord origin;
  origin.name = name;
  origin.level = LevelId(made.made.level);
  origin.target = made.made.measure.best;
  origin.proven = made.made.optimal;
  if (daily) origin.daily = DateText(day);
  records_->ExpectOpening(origin);
  OpenMadePuzzle(game_, made.made.file, made.name, heading,
                 {made.made.measure.best, made.made.optimal});
  records_->ForgetOpening();
}

void GameApp::RunMenuCommand(const QString& name) {
  std::map<QString, std::function<void()>> commands{
      {QStringLiteral("ファイルを開く"), [this] { OpenPuzzle(game_); }},
      {QStringLiteral("上書き保存する"), [this] { SavePuzzle(game_); }},
      {QStringLiteral("名前が付いて保存"), [this] { SavePuzzleAs(game_); }},
      {QStringLiteral("左へ移動する"), [this] { ShiftBoard(0); }},
      {QStringLiteral("右へ移動する"), [this] { ShiftBoard(1); }},
      {QStringLiteral("上へ移動する"), [this] { ShiftBoard(2); }},
      {QStringLiteral("下へ移動する"), [this] { ShiftBoard(3); }},
      {QStringLiteral("すべてクリア"), [this] { ClearBoard(); }},
      {QStringLiteral("設定"), [this] { OpenSettings(); }},
      {QStringLiteral("ヘルプ"), [this] { OpenHelp(); }},
      {QStringLiteral("バージョン"),
       [this] { ShowMessage(VersionInfo(), u"ツブラ", 1, u"Ok", u"", u""); }},
      {QStringLiteral("新しいパズル"), [this] { MakePuzzle(false, LocalDate()); }},
      {QStringLiteral("今日のパズル"), [this] { OpenTodaysPuzzle(); }},
      {QStringLiteral("パズルを選ぶ"), [this] { records_->OpenChooser(); }},
      {QStringLiteral("記録"), [this] { records_->OpenRecordsWindow(); }},
      {QStringLiteral("元に戻す"), [this] { Undo(game_); }},
      {QStringLiteral("やり直し"), [this] { Redo(game_); }},
      {QStringLiteral("最高点を探す"), [this] { OpenSearch(); }},
      {QStringLiteral("終了"),
       [this] {
         int ignored = 0;
         ConfirmQuit(game_, ignored);
       }},
  };
  for (int percent : kZoomChoices) {
    commands[QStringLiteral("%1%").arg(percent)] = [this, percent] { ChooseZoom(percent); };
  }
  if (auto command = commands.find(name); command != commands.end()) command->second();
}

void GameApp::MainLoop() {
  for (;;) RunPass();
}

void GameApp::RunPass() {
  PumpEvents(kFrameMilliseconds);
  // The first reading forgets presses from before this point; the second
  // counts a key that is down or went down since.
  for (auto key :
       {KeyState::Enter, KeyState::Left, KeyState::Right, KeyState::Up, KeyState::Down}) {
    keys_.Read(key);
  }
  const std::pair<KeyState::Key, ArrowKey> commands[] = {{KeyState::Up, ArrowKey::Up},
                                                         {KeyState::Down, ArrowKey::Down},
                                                         {KeyState::Left, ArrowKey::Left},
                                                         {KeyState::Right, ArrowKey::Right}};
  for (const auto& [key, command] : commands) {
    if (keys_.Read(key)) RunArrowKeyCommand(game_, command);
  }
  Redraw();
  records_->AfterPass();
}

void GameApp::ApplyAppearance() {
  if (auto background = ChooseBackground(game_.Settings, *this)) {
    window_->SetBackground(*background);
  }
  if (auto face = ChooseBoardFace(game_.Settings)) {
    window_->Pimain->SetFace(FaceByName(ToQString(*face)));
  }
}

int GameApp::ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                         std::u16string_view caption0, std::u16string_view caption1,
                         std::u16string_view caption2) {
  // The main window is brought up to date underneath the dialog.
  ClearPicture();
  Redraw();
  PlaySoundEffect(game_, 0);
  Formain3 dialog(window_.get(), icon_);
  return dialog.Ask(message, title, buttonCount, {caption0, caption1, caption2});
}

void GameApp::PlayClip(int n) {
  sounds_.PlayClip(n);
}

void GameApp::ClearPicture() {
  window_->Pimain->Clear();
}

void GameApp::Redraw() {
  PuzzleState& puzzle = game_.Puzzle;
  RebuildBoard(puzzle);
  BoardPicture& picture = *window_->Pimain;
  picture.Show(PaintBoard(puzzle, game_.Settings, picture.width(), picture.height()));
  window_->ShowCounters(DescribeCounters(puzzle));
  window_->ShowLabelColours(puzzle);
  window_->EnableUndoRedo(game_.History.CanUndo(), game_.History.CanRedo());
}

void GameApp::Wait(int milliseconds) {
  ::Wait(milliseconds);
}

std::optional<std::string> GameApp::AskOpenFile() {
  const QString path = AskForExistingFile(
      window_.get(), QStringLiteral("ファイルを開く"), QString::fromStdString(folders_.puzzles),
      QStringLiteral("ツブラ用ファイル (*.tbr);;全てのファイル (*)"));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void GameApp::ShowOpenedPuzzle(const PuzzleLayout& layout) {
  // A search of the puzzle that was open would place words of another list.
  delete search_.data();
  window_->ShowPuzzleLayout(layout, game_.Puzzle);
  if (records_) records_->PuzzleOpened();
}

void GameApp::SetText1(std::u16string_view text) {
  window_->Text1->setText(ToQString(text));
}

double GameApp::NextRandom() {
  return random_.Next();
}

void GameApp::Terminate() {
  // The records are the one thing written on the way out: the board as left.
  records_->Finish();
  std::_Exit(0);
}

void GameApp::SetBackground(Colour colour) {
  window_->SetBackground(colour);
}

int GameApp::InnerWidth() const {
  return window_->ClientArea()->width();
}

int GameApp::InnerHeight() const {
  return window_->ClientArea()->height();
}

bool GameApp::SpriteVisible(int i) const {
  return window_->PicGra[static_cast<std::size_t>(i)]->isVisible();
}

void GameApp::ShowSprite(int i, bool visible) {
  QLabel* sprite = window_->PicGra[static_cast<std::size_t>(i)];
  sprite->setVisible(visible);
  if (visible) sprite->raise();
}

void GameApp::MoveSprite(int i, int left, int top) {
  window_->PicGra[static_cast<std::size_t>(i)]->move(left, top);
}
