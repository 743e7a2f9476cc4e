#include "board/ClearAll.h"

#include "ui/PlaySoundEffect.h"

namespace {

bool Answer(Game& game, std::u16string_view question, std::u16string_view first,
            std::u16string_view second) {
  return game.host.ShowMessage(question, u"ツブラ", 2, first, second, u"") == 0;
}

bool PlayerConfirms(Game& game) {
  switch (game.Settings.MessageMode) {
    case kMessageStandard:
    case kMessageJokes:
      return Answer(game, u"クリアしますか？", u"はい", u"いいえ");
    case kMessageNagging:
      return Answer(game, u"クリアするの？", u"はい", u"いいえ") &&
             !Answer(game, u"後悔しない？", u"する", u"しない") &&
             !Answer(game, u"絶対後悔するよ", u"かもね", u"大丈夫");
    default:
      return true;
  }
}

}  // namespace

void Coc_Click(Game& game) {
  if (!PlayerConfirms(game)) return;
  PlaySoundEffect(game, 2);
  PuzzleState& puzzle = game.Puzzle;
  for (int y = 0; y < puzzle.BoardSize; ++y)
    for (int x = 0; x < puzzle.BoardSize; ++x) puzzle.Board(x, y) = kEmptyCell;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    puzzle.Word(k).Placed = 0;
    puzzle.Word(k).SetLabelColours(ColourUnplaced);
  }
  puzzle.SelectedWord = 0;
  puzzle.PlacedCount = 0;
  puzzle.Score = 0;
  puzzle.Incomplete = 0;
  game.host.ClearPicture();
}
