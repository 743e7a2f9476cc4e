#include "files/OpenMadePuzzle.h"

#include "board/Counters.h"
#include "files/OpenPuzzle.h"

void OpenMadePuzzle(Game& game, const PuzzleFile& file, const std::string& name,
                    std::u16string_view heading, PuzzleTarget target) {
  game.MadeName = name;
  game.host.SetText1(heading);
  PutPuzzleInPlay(game, file, "");
  const std::u16string message =
      std::u16string(heading) + u"　目標：" + Decimal(target.best) + file.ScoreSuffix +
      (target.optimal ? u"\nこれが最高点です。" : u"\nこれより高い点が取れるかもしれません。");
  game.host.ShowMessage(message, u"ツブラ", 1, u"Ok", u"", u"");
}
