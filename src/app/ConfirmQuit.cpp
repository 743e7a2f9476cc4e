#include "app/ConfirmQuit.h"

namespace {

constexpr int kYes = 0;

bool AskYesNo(Game& game, std::u16string_view question) {
  return game.host.ShowMessage(question, u"ツブラ", 2, u"はい", u"いいえ", u"") == kYes;
}

bool PlayerConfirms(Game& game) {
  switch (game.Settings.MessageMode) {
    case kMessageNone:
      return true;
    case kMessageNagging:
      return AskYesNo(game, u"終了しますか？") && AskYesNo(game, u"本当に終わります？") &&
             !AskYesNo(game, u"もっとやりたいでしょ");
    default:
      // The standard question, also for a mode only a hand-edited file holds:
      // the game never quits unasked unless the player chose "なし".
      return AskYesNo(game, u"終了しますか？");
  }
}

}  // namespace

void ConfirmQuit(Game& game, int& cancel) {
  if (PlayerConfirms(game)) {
    game.host.Terminate();
    return;
  }
  cancel = 1;
}
