#include "generator/WordList.h"

#include <charconv>
#include <set>
#include <sstream>

#include "game/PuzzleState.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string field; in >> field;) fields.push_back(field);
  return fields;
}

std::optional<int> Points(const std::string& field) {
  // A sign may lead, as in "+30"; nothing may follow the digits.
  const bool plus = field.size() > 1 && field[0] == '+' && field[1] != '-';
  const char* first = field.data() + (plus ? 1 : 0);
  const char* last = field.data() + field.size();
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc() && end == last && value >= -99999 && value <= 99999) return value;
  return std::nullopt;
}

}  // namespace

std::variant<WordList, WordListError> ParseWordList(const std::string& utf8) {
  WordList list;
  std::set<std::u16string> seen;
  std::istringstream lines(utf8);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (const auto hash = line.find('#'); hash != std::string::npos) {
      if (list.name.empty() && list.words.empty()) {
        const auto fields = Fields(line.substr(hash + 1));
        for (const std::string& field : fields) list.name += (list.name.empty() ? "" : " ") + field;
      }
      line.erase(hash);
    }
    const auto fields = Fields(line);
    if (fields.empty()) continue;
    if (fields.size() > 2) return WordListError{number, "a word and its points, nothing more"};
    const auto text = Utf8ToUtf16(fields[0]);
    if (!text) return WordListError{number, "not UTF-8 text"};
    if (text->size() > kMaxBoardSize) return WordListError{number, "longer than any board"};
    if (text->find(kEndMarker) != std::u16string::npos)
      return WordListError{number, "holds the end marker ×"};
    if (!Utf16ToCp932(*text)) return WordListError{number, "a character outside code page 932"};
    std::optional<int> points;
    if (fields.size() == 2 && !(points = Points(fields[1])))
      return WordListError{number, "points must be a whole number"};
    if (seen.insert(*text).second) list.words.push_back({*text, points});
  }
  return list;
}
