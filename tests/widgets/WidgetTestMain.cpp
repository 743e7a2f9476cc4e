#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "platform/Fonts.h"
#include "platform/QtTranslations.h"

// Widget tests run on Qt's offscreen platform. The variable is set here, not
// only by ctest, because test discovery runs this binary without ctest's
// environment.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tsubura-tests"));
  InstallFontSubstitutions();
  LoadJapaneseQtTranslations();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
