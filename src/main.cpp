#include <QApplication>

#include "app/GameApp.h"
#include "platform/Fonts.h"
#include "platform/SdlWavePlayer.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tsubura"));
  InstallFontSubstitutions();
  SdlWavePlayer speaker;
  GameApp game(QApplication::applicationDirPath(), speaker);
  game.StartUp();
  game.MainLoop();
}
