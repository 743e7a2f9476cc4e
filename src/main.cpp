#include <QApplication>

#include "app/GameApp.h"
#include "platform/Fonts.h"
#include "platform/QtTranslations.h"
#include "platform/ScreenScale.h"
#include "platform/SdlWavePlayer.h"

int main(int argc, char** argv) {
  QApplication::setApplicationName(QStringLiteral("tsubura"));
  ScaleScreenForZoom();
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  LoadJapaneseQtTranslations();
  SdlWavePlayer speaker;
  GameApp game(QApplication::applicationDirPath(), speaker);
  game.StartUp();
  // A puzzle named on the command line (a double-click on a .tbr file) opens
  // at once; further arguments are ignored.
  if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
    game.OpenAtStart(arguments[1]);
  }
  game.MainLoop();
}
