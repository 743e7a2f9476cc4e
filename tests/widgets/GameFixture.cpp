#include "widgets/GameFixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/Formain3.h"

DialogAnswerer::DialogAnswerer(std::deque<int> buttons, std::deque<QString> files)
    : buttons_(std::move(buttons)), files_(std::move(files)) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
  timer_.start();
}

DialogAnswerer::~DialogAnswerer() {
  timer_.stop();
  EXPECT_TRUE(buttons_.empty()) << buttons_.size() << " planned answers were not needed";
}

void DialogAnswerer::AnswerOpenDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* message = qobject_cast<Formain3*>(modal)) {
    if (!message->isVisible()) return;
    messages.push_back(message->Label1->text());
    const int button = buttons_.empty() ? 0 : buttons_.front();
    if (!buttons_.empty()) buttons_.pop_front();
    QTest::mouseClick(message->Command1[static_cast<std::size_t>(button)], Qt::LeftButton);
  } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
    fileDialogTitles.push_back(files->windowTitle());
    if (files_.empty()) {
      files->reject();
      return;
    }
    files->selectFile(files_.front());
    files_.pop_front();
    QMetaObject::invokeMethod(files, "accept");
  }
}
