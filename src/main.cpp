#include <QApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/GameApp.h"
#include "platform/Fonts.h"
#include "platform/QtTranslations.h"
#include "platform/ScreenScale.h"
#include "platform/SdlWavePlayer.h"

int main(int argc, char** argv) {
  // Read before Qt starts, so --help and a refused option need no display.
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const StartRequest request = ReadCommandLine(arguments);
  if (request.kind == StartRequest::Kind::Help) {
    std::cout << HelpText();
    return 0;
  }
  if (request.kind == StartRequest::Kind::Refused) {
    std::cerr << request.refusal << '\n';
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("tsubura"));
  ScaleScreenForZoom();
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  LoadJapaneseQtTranslations();
  SdlWavePlayer speaker;
  GameApp game(QApplication::applicationDirPath(), speaker);
  game.StartUp();
  if (!request.puzzle.empty()) game.OpenAtStart(QString::fromLocal8Bit(request.puzzle));
  if (request.daily) game.OpenTodaysPuzzle();
  game.MainLoop();
}
