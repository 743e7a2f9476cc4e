#pragma once

#include <QIcon>
#include <QPointer>
#include <QString>
#include <chrono>
#include <memory>
#include <string>

#include "fun/Stage.h"
#include "game/Game.h"
#include "game/Host.h"
#include "platform/GameFolders.h"
#include "platform/KeyState.h"
#include "platform/Random.h"
#include "ui/SoundEffects.h"

class Formain;
class HelpWindow;
class PlayerRecords;
class SearchWindow;

// The running program: it owns the game state, the main window, the sounds
// and the key state, and is the window system the game logic talks to.
class GameApp : public Host, public Stage {
 public:
  GameApp(const QString& appDir, WaveOutput& waveOutput);
  ~GameApp() override;

  // Everything up to the main loop: the window, the empty puzzle, the
  // settings applied and the sounds loaded.
  void StartUp();
  // Opens the puzzle named on the command line as if it had been chosen in
  // the open-file dialog; a file that does not exist counts as a cancel.
  void OpenAtStart(const QString& path);
  // パズル → 今日のパズル: today's puzzle, made on its first opening of the day.
  void OpenTodaysPuzzle();
  [[noreturn]] void MainLoop();
  // One pass of the main loop: events, arrow keys, redraw.
  void RunPass();
  void ApplyAppearance();

  int ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                  std::u16string_view caption0, std::u16string_view caption1,
                  std::u16string_view caption2) override;
  void PlayClip(int n) override;
  void ClearPicture() override;
  void Redraw() override;
  void Wait(int milliseconds) override;
  std::optional<std::string> AskOpenFile() override;
  void ShowOpenedPuzzle(const PuzzleLayout& layout) override;
  void SetText1(std::u16string_view text) override;
  double NextRandom() override;
  void Terminate() override;

  void SetBackground(Colour colour) override;
  int InnerWidth() const override;
  int InnerHeight() const override;
  bool SpriteVisible(int i) const override;
  void ShowSprite(int i, bool visible) override;
  void MoveSprite(int i, int left, int top) override;

  Game& State() { return game_; }
  Formain& Window() { return *window_; }
  SoundEffects& Sounds() { return sounds_; }
  const std::string& DataFolder() const { return folders_.data; }
  std::string SettingsPath() const { return folders_.data + "/Data.dat"; }

 private:
  void ConnectWindow();
  void RunMenuCommand(const QString& name);
  // The direction buttons and clear-all give the keyboard focus to the board.
  void ShiftBoard(int direction);
  void ClearBoard();
  void OpenSettings();
  // The help window and the search window, one of each at a time.
  void OpenHelp();
  void OpenSearch();
  // A puzzle made from the shipped themes, as the player chooses it or as a
  // day's puzzle; it opens as a file does, then its target is told.
  void MakePuzzle(bool daily, std::chrono::year_month_day day);
  // The puzzle of a day: as the player left it when it was made before.
  void OpenDailyPuzzle(std::chrono::year_month_day day);
  // Stores the zoom of the "表示" menu for the next start, and says so.
  void ChooseZoom(int percent);

  std::string appDir_;
  GameFolders folders_;
  Random random_;
  Game game_{*this};
  SoundEffects sounds_;
  KeyState keys_;
  QIcon icon_;
  std::unique_ptr<Formain> window_;
  std::unique_ptr<PlayerRecords> records_;
  QPointer<HelpWindow> help_;
  QPointer<SearchWindow> search_;
};
