#include "files/SavePuzzle.h"

#include "files/OpenPuzzle.h"
#include "files/PuzzleFile.h"

namespace {

constexpr std::u16string_view kTitle = u"ツブラ";

bool Asks(Game& game, std::u16string_view question, std::u16string_view yes, std::u16string_view no,
          int stopAnswer) {
  return game.host.ShowMessage(question, kTitle, 2, yes, no, u"") != stopAnswer;
}

// The question every mode asks about an incomplete board; true to go on.
bool SaveEvenIfIncomplete(Game& game) {
  return game.Puzzle.Incomplete != 1 ||
         Asks(game, u"盤面が不完全ですが保存しますか？", u"はい", u"いいえ", 1);
}

void Inform(Game& game, std::u16string_view message) {
  game.host.ShowMessage(message, kTitle, 1, u"Ok", u"", u"");
}

// Writes the puzzle in the layout it was read from. The old file is replaced
// only by a completely written new one; a failure is told, not hidden.
void WriteAndTell(Game& game, const std::string& path) {
  const auto bytes = EncodePuzzleFile(PuzzleFileOf(game.Puzzle, game.FileHeader == kFileHeader));
  if (!bytes || !ReplaceFile(path, *bytes)) {
    Inform(game, u"保存できませんでした。");
    return;
  }
  保存後メッセージ(game);
}

}  // namespace

void SavePuzzle(Game& game) {
  // A puzzle the game made has no file to write over yet.
  if (game.OpenedPath.empty() && !game.MadeName.empty()) {
    SavePuzzleAs(game);
    return;
  }
  if (!SaveEvenIfIncomplete(game)) return;
  if (game.Settings.MessageMode == kMessageNagging) {
    if (!Asks(game, u"本当に保存しますか？", u"はい", u"いいえ", 1)) return;
    if (!Asks(game, u"やめといたら？", u"やめる", u"やめない", 0)) return;
  }
  if (game.OpenedPath.empty()) return;
  WriteAndTell(game, game.OpenedPath);
}

void SavePuzzleAs(Game& game) {
  if (!SaveEvenIfIncomplete(game)) return;
  if (game.Settings.MessageMode == kMessageNagging) {
    if (!Asks(game, u"保存しますか？", u"はい", u"いいえ", 1)) return;
    if (!Asks(game, u"もう１回考えなよ。", u"そうね", u"いいや", 0)) return;
  }
  const std::string base = game.OpenedPath.empty() ? game.MadeName : BaseName(game.OpenedPath);
  WriteAndTell(game,
               game.SaveFolder + "/" + base + "-" + std::to_string(game.Puzzle.Score) + ".tbr");
}

void 保存後メッセージ(Game& game) {
  switch (game.Settings.MessageMode) {
    case kMessageNone:
      return;
    case kMessageNagging:
      Inform(game, u"保存されました。");
      Inform(game, u"ちゃんと保存したよ。");
      Inform(game, u"本当に保存したよ。");
      if (static_cast<int>(game.host.NextRandom() * 5 + 1) == 5)
        Inform(game, u"ぱーぺきに保存したよ。");
      return;
    default:
      Inform(game, u"保存されました。");
      return;
  }
}
