#include "records/OpenRecordedPuzzle.h"

#include <algorithm>
#include <filesystem>
#include <variant>

#include "files/OpenPuzzle.h"
#include "files/PuzzleFile.h"
#include "platform/ByteFile.h"
#include "platform/Utf8.h"
#include "records/Fingerprint.h"

namespace {

std::optional<PuzzleFile> Decoded(const std::optional<Bytes>& bytes) {
  if (!bytes || bytes->empty()) return std::nullopt;
  auto decoded = DecodePuzzleFile(*bytes);
  if (auto* file = std::get_if<PuzzleFile>(&decoded)) return std::move(*file);
  return std::nullopt;
}

// The record's file, if it still holds this puzzle.
std::optional<PuzzleFile> StillThere(const PuzzleRecord& record) {
  if (record.path.empty()) return std::nullopt;
  auto file = Decoded(ReadBytes(record.path));
  if (!file || Fingerprint(*file) != record.fingerprint) return std::nullopt;
  return file;
}

}  // namespace

bool OpenRecordedPuzzle(Game& game, const PuzzleRecord& record) {
  const std::optional<PuzzleFile> onDisk = StillThere(record);
  std::optional<PuzzleFile> left = Decoded(record.leftBoard);
  if (!left) left = onDisk;
  if (!left) return false;
  const std::string path = onDisk ? record.path : "";
  std::string name = record.name;
  std::replace(name.begin(), name.end(), '/', '-');
  game.MadeName = path.empty() ? name : "";
  game.host.SetText1(Utf8ToUtf16(path.empty() ? record.name : path).value_or(u""));
  PutPuzzleInPlay(game, *left, path);
  return true;
}

std::u16string WhyNotOpenable(const PuzzleRecord& record) {
  if (record.hasBoard || StillThere(record)) return u"";
  return u"ファイルが見つからず、記録にも盤面がありません。";
}
