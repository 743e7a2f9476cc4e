#include "records/ShippedPuzzles.h"

#include <filesystem>
#include <sstream>
#include <variant>

#include "files/PuzzleFile.h"
#include "platform/ByteFile.h"
#include "records/Fingerprint.h"
#include "records/Records.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

}  // namespace

std::vector<ShippedPuzzle> ParseShippedList(std::string_view text) {
  std::vector<ShippedPuzzle> puzzles;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto fields = Fields(line);
    if (fields.size() != 5 || fields[0].empty() || fields[0][0] == '#') continue;
    ShippedPuzzle puzzle{fields[0], fields[1], fields[2] == "-" ? "" : fields[2], 0,
                         fields[4] == "proven"};
    try {
      std::size_t used = 0;
      puzzle.best = std::stoll(fields[3], &used);
      if (used != fields[3].size()) continue;
    } catch (const std::exception&) {
      continue;
    }
    puzzles.push_back(std::move(puzzle));
  }
  return puzzles;
}

void RememberShipped(Records& records, const std::string& shipped, const std::string& player) {
  namespace fs = std::filesystem;
  const auto list = ReadBytes((fs::path(shipped) / kShippedListName).string());
  if (!list) return;
  for (const ShippedPuzzle& puzzle : ParseShippedList(
           std::string_view(reinterpret_cast<const char*>(list->data()), list->size()))) {
    fs::path path = fs::path(player) / puzzle.file;
    if (!fs::exists(path)) path = fs::path(shipped) / puzzle.file;
    const auto bytes = ReadBytes(path.string());
    if (!bytes) continue;
    const auto decoded = DecodePuzzleFile(*bytes);
    const auto* file = std::get_if<PuzzleFile>(&decoded);
    if (!file) continue;
    PuzzleRecord known;
    known.fingerprint = Fingerprint(*file);
    known.name = puzzle.name;
    known.path = path.string();
    known.size = file->BoardSize;
    known.words = file->WordCount;
    known.level = puzzle.level;
    known.target = puzzle.best;
    known.proven = puzzle.proven;
    known.shipped = true;
    known.leftBoard = *bytes;
    records.Remember(known);
  }
}
