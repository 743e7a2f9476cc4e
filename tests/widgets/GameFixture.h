#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/Formain.h"
#include "app/GameApp.h"
#include "fakes/TempFolder.h"

// Records the clips the game plays.
class RecordingOutput : public WaveOutput {
 public:
  std::vector<Bytes> played;
  void Play(const Bytes& clip) override { played.push_back(clip); }
};

// Answers every modal dialog that opens while it lives: a message dialog
// with the next queued button index (0 once the queue is empty), the
// open-file dialog with the next queued path (cancel when none is left).
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::deque<int> buttons = {}, std::deque<QString> files = {});
  ~DialogAnswerer();

  std::vector<QString> messages;  // the text of each message dialog
  std::vector<QString> fileDialogTitles;

 private:
  void AnswerOpenDialog();

  std::deque<int> buttons_;
  std::deque<QString> files_;
  QTimer timer_;
};

// A started game in a program folder of its own with an empty Data folder.
class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(AppDir() + QStringLiteral("/Data"));
    app = std::make_unique<GameApp>(AppDir(), output);
    app->StartUp();
  }

  QString AppDir() const { return QString::fromStdString(folder.Path("program")); }
  // The program's own word lists, before SetUp: one theme is enough here.
  void ShipOneTheme() {
    const std::filesystem::path words = folder.Path("program/words");
    std::filesystem::create_directories(words);
    std::filesystem::copy_file(TSUBURA_WORD_LISTS "/animals.txt", words / "animals.txt");
  }
  Formain& Window() { return app->Window(); }
  Game& State() { return app->State(); }

  // Runs `answer` on the next modal dialog, or rejects the test when no dialog
  // appears within the time.
  static void WhenDialogOpens(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    auto started = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, started] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        timer->stop();
        timer->deleteLater();
        answer(dialog);
      } else if (++*started > 300) {
        timer->stop();
        timer->deleteLater();
        ADD_FAILURE() << "no dialog appeared";
      }
    });
    timer->start();
  }

  // Runs passes of the main loop until `done`, as the game runs while its
  // records answer; false when that does not come within seconds.
  bool PassesUntil(const std::function<bool()>& done) {
    for (int pass = 0; pass < 500 && !done(); ++pass) app->RunPass();
    return done();
  }

  // Whether a window that deletes itself when it closes is gone.
  template <typename Window>
  static bool Gone(const QPointer<Window>& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
  }

  TempFolder folder;
  RecordingOutput output;
  std::unique_ptr<GameApp> app;
};
