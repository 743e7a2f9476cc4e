#include "records/OpenRecordedPuzzle.h"

#include <algorithm>
#include <variant>

#include "files/OpenPuzzle.h"
#include "platform/ByteFile.h"
#include "platform/Utf8.h"
#include "records/Fingerprint.h"
#include "records/Records.h"

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

std::optional<RecordedPuzzle> LookUpPuzzle(Records& records, const std::string& fingerprint) {
  std::optional<PuzzleRecord> record = records.Find(fingerprint);
  if (!record) return std::nullopt;
  std::optional<PuzzleFile> file = StillThere(*record);
  return RecordedPuzzle{std::move(*record), std::move(file)};
}

std::vector<ListedPuzzle> ListPuzzles(Records& records) {
  std::vector<ListedPuzzle> listed;
  for (PuzzleRecord& record : records.List()) {
    const bool openable = record.hasBoard || StillThere(record);
    listed.push_back(
        {std::move(record), openable ? u"" : u"ファイルが見つからず、記録にも盤面がありません。"});
  }
  return listed;
}

bool OpenRecordedPuzzle(Game& game, const RecordedPuzzle& puzzle) {
  const PuzzleRecord& record = puzzle.record;
  std::optional<PuzzleFile> left = Decoded(record.leftBoard);
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
