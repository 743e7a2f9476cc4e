#include <variant>

#include "platform/ByteFile.h"
#include "records/Fingerprint.h"
#include "records/OpenRecordedPuzzle.h"
#include "records/Records.h"

namespace {

// The record's file, if it still holds this puzzle.
std::optional<PuzzleFile> StillThere(const PuzzleRecord& record) {
  if (record.path.empty()) return std::nullopt;
  auto file = DecodedBoard(ReadBytes(record.path));
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
