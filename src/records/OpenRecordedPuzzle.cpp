#include "records/OpenRecordedPuzzle.h"

#include <algorithm>
#include <variant>

#include "files/OpenPuzzle.h"
#include "platform/Utf8.h"

std::optional<PuzzleFile> DecodedBoard(const std::optional<Bytes>& bytes) {
  if (!bytes || bytes->empty()) return std::nullopt;
  auto decoded = DecodePuzzleFile(*bytes);
  if (auto* file = std::get_if<PuzzleFile>(&decoded)) return std::move(*file);
  return std::nullopt;
}

bool OpenRecordedPuzzle(Game& game, const RecordedPuzzle& puzzle) {
  const PuzzleRecord& record = puzzle.record;
  std::optional<PuzzleFile> left = DecodedBoard(record.leftBoard);
  if (!left) left = puzzle.file;
  if (!left) return false;
  const std::string path = puzzle.file ? record.path : "";
  std::string name = record.name;
  std::replace(name.begin(), name.end(), '/', '-');
  game.MadeName = path.empty() ? name : "";
  game.host.SetText1(Utf8ToUtf16(path.empty() ? record.name : path).value_or(u""));
  PutPuzzleInPlay(game, *left, path);
  return true;
}
