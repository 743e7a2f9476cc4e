#include "files/OpenPuzzle.h"

#include "board/CellColours.h"
#include "board/Redraw.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLayout.h"
#include "platform/Utf8.h"
#include "words/BCheck.h"

namespace {

constexpr std::u16string_view kTitle = u"ツブラ";

std::optional<PuzzleFile> ReadUsableFile(const std::string& path) {
  auto bytes = ReadBytes(path);
  if (!bytes) return std::nullopt;
  auto decoded = DecodePuzzleFile(*bytes);
  if (auto* file = std::get_if<PuzzleFile>(&decoded)) return std::move(*file);
  return std::nullopt;
}

}  // namespace

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
  return title.substr(0, title.find('.'));
}

bool PlayerStillWantsToOpen(Game& game) {
  if (game.Settings.MessageMode != kMessageNagging) return true;
  Host& host = game.host;
  if (host.ShowMessage(u"ファイル開くの？", kTitle, 2, u"はい", u"いいえ", u"") == 1) return false;
  return host.ShowMessage(u"ここはやめとこうよ", kTitle, 2, u"はい", u"いや", u"") == 1;
}

void OpenPuzzle(Game& game) {
  if (!PlayerStillWantsToOpen(game)) return;
  OpenChosenPuzzle(game, game.host.AskOpenFile());
}

void OpenChosenPuzzle(Game& game, const std::optional<std::string>& path) {
  Host& host = game.host;
  if (!path) {
    host.SetText1(u"キャンセルされました。");
    Redraw(game);
    return;
  }
  const auto file = ReadUsableFile(*path);
  if (!file) {
    host.ShowMessage(u"このファイルは開けません。", kTitle, 1, u"Ok", u"", u"");
    return;
  }

  host.SetText1(Utf8ToUtf16(*path).value_or(u""));
  game.MadeName.clear();
  PutPuzzleInPlay(game, *file, *path);
}

void PutPuzzleInPlay(Game& game, const PuzzleFile& file, const std::string& path) {
  Host& host = game.host;
  PuzzleState& puzzle = game.Puzzle;
  game.OpenedPath = path;
  game.FileHeader = file.HasHeader ? kFileHeader : u"";
  ApplyPuzzleFile(file, puzzle);
  game.History.Clear();
  // A selection from the previous puzzle would point at a different word.
  puzzle.SelectedWord = 0;
  for (int k = 1; k <= puzzle.WordCount; ++k) {
    puzzle.Word(k).SetLabelColours(puzzle.Word(k).Placed == 1 ? ColourPlaced : ColourUnplaced);
  }
  host.ShowOpenedPuzzle(LayOutPuzzle(puzzle));
  puzzle.Incomplete = 0;
  if (game.Settings.BoardFont == kFontRainbow) DrawCellColours(game);
  Redraw(game);
  host.ClearPicture();
  BCheck(puzzle);
  if (puzzle.Incomplete == 0) puzzle.BestScore = puzzle.Score;
  puzzle.FakeWordIndex = static_cast<std::int16_t>(host.NextRandom() * 10 + 1);
  Redraw(game);
}
