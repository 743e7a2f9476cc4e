#include "PuzzleText.h"

#include <algorithm>
#include <sstream>

#include "board/BoardRebuild.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

// Splits a line into tokens: bare words, or "quoted text" with \" and \\.
std::optional<std::vector<std::string>> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string token;
    if (line[i] == '"') {
      ++i;
      for (;;) {
        if (i >= line.size()) return std::nullopt;
        if (line[i] == '"') break;
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        token += line[i++];
      }
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        token += line[i++];
      }
    }
    tokens.push_back(token);
  }
  return tokens;
}

std::optional<long long> Number(const std::string& token) {
  try {
    std::size_t used = 0;
    const long long value = std::stoll(token, &used);
    if (used == token.size()) return value;
  } catch (...) {
  }
  return std::nullopt;
}

std::string Quoted(const std::u16string& text) {
  std::string out = "\"";
  for (char c : Utf16ToUtf8(text)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

class Parser {
 public:
  std::variant<PuzzleFile, TextError> Parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
      ++lineNumber_;
      if (auto error = ParseLine(line)) return *error;
    }
    return Finish();
  }

 private:
  struct WordLine {
    PuzzleFile::Entry entry;
    int line;
  };

  TextError Error(std::string reason) const { return {lineNumber_, std::move(reason)}; }

  std::optional<TextError> ParseLine(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') return std::nullopt;
    const auto tokens = Tokens(line);
    if (!tokens) return Error("a quoted text is not closed");
    const std::string& key = (*tokens)[0];
    if (key == "word") return ParseWord(*tokens);
    if (tokens->size() != 2) return Error("\"" + key + "\" takes one value");
    const std::string& value = (*tokens)[1];
    if (key == "count-suffix" || key == "score-suffix") {
      auto text = Utf8ToUtf16(value);
      if (!text) return Error("the suffix is not UTF-8 text");
      (key == "count-suffix" ? file_.CountSuffix : file_.ScoreSuffix) = *text;
      return std::nullopt;
    }
    const auto number = Number(value);
    if (!number) return Error("\"" + key + "\" needs a whole number");
    if (key == "layout") {
      if (*number != 60 && *number != 90) return Error("the layout is 60 or 90");
      file_.HasHeader = *number == 90;
    } else if (key == "size") {
      size_ = number;
    } else if (key == "longest") {
      longest_ = number;
    } else if (key == "words") {
      words_ = number;
    } else if (key == "placed-count") {
      placedCount_ = number;
    } else if (key == "score") {
      score_ = number;
    } else {
      return Error("unknown line \"" + key + "\"");
    }
    return std::nullopt;
  }

  std::optional<TextError> ParseWord(const std::vector<std::string>& t) {
    if (t.size() < 3) return Error("a word needs its text and its points");
    WordLine word{{}, lineNumber_};
    const auto text = Utf8ToUtf16(t[1]);
    if (!text) return Error("the word is not UTF-8 text");
    if (!Utf16ToCp932(*text)) return Error("the word has a character Shift_JIS cannot store");
    word.entry.Text = *text;
    const auto points = Number(t[2]);
    if (!points || *points < INT32_MIN || *points > INT32_MAX) return Error("bad points");
    word.entry.Points = static_cast<std::int32_t>(*points);
    auto small = [&](const std::string& token, std::int16_t& field) {
      const auto n = Number(token);
      if (!n || *n < INT16_MIN || *n > INT16_MAX) return false;
      field = static_cast<std::int16_t>(*n);
      return true;
    };
    PuzzleFile::Entry& e = word.entry;
    if (t.size() == 6 && (t[3] == "across" || t[3] == "down")) {
      e.Placed = 1;
      e.Direction = t[3] == "down" ? 1 : 0;
      if (!small(t[4], e.Column) || !small(t[5], e.Row)) return Error("bad placement");
    } else if (t.size() == 8 && t[3] == "fields") {
      if (!small(t[4], e.Placed) || !small(t[5], e.Column) || !small(t[6], e.Row) ||
          !small(t[7], e.Direction)) {
        return Error("bad placement fields");
      }
    } else if (t.size() != 3) {
      return Error("a placement is \"across C R\", \"down C R\" or \"fields P C R D\"");
    }
    wordLines_.push_back(word);
    return std::nullopt;
  }

  std::variant<PuzzleFile, TextError> Finish() {
    lineNumber_ = 0;
    if (!size_) return Error("the board size is missing (\"size N\")");
    const int e = file_.EntryCount();
    if (static_cast<int>(wordLines_.size()) > e) {
      return TextError{wordLines_[static_cast<std::size_t>(e)].line,
                       "the layout holds " + std::to_string(e) + " words"};
    }
    file_.Entries.resize(static_cast<std::size_t>(e));
    std::int32_t placed = 0, score = 0;
    std::size_t longest = 0;
    const long long inPlay = words_.value_or(static_cast<long long>(wordLines_.size()));
    for (std::size_t i = 0; i < wordLines_.size(); ++i) {
      const PuzzleFile::Entry& entry = wordLines_[i].entry;
      file_.Entries[i] = entry;
      longest = std::max(longest, entry.Text.size());
      if (static_cast<long long>(i) < inPlay && entry.Placed == 1) {
        ++placed;
        score += entry.Points;
      }
    }
    auto fits16 = [](long long v) { return v >= INT16_MIN && v <= INT16_MAX; };
    auto fits32 = [](long long v) { return v >= INT32_MIN && v <= INT32_MAX; };
    const long long values16[] = {*size_, longest_.value_or(static_cast<long long>(longest)),
                                  inPlay};
    if (!std::all_of(std::begin(values16), std::end(values16), fits16) ||
        !fits32(placedCount_.value_or(0)) || !fits32(score_.value_or(0))) {
      return Error("a number is too large for its field");
    }
    file_.BoardSize = static_cast<std::int16_t>(values16[0]);
    file_.MaxWordLength = static_cast<std::int16_t>(values16[1]);
    file_.WordCount = static_cast<std::int16_t>(values16[2]);
    file_.PlacedCount = static_cast<std::int32_t>(placedCount_.value_or(placed));
    file_.Score = static_cast<std::int32_t>(score_.value_or(score));
    if (auto error = ValidatePuzzleFile(file_)) return TextError{0, error->reason};
    if (!EncodePuzzleFile(file_)) return Error("a suffix has a character Shift_JIS cannot store");
    return file_;
  }

  PuzzleFile file_ = [] {
    PuzzleFile f;
    f.HasHeader = true;
    return f;
  }();
  std::vector<WordLine> wordLines_;
  std::optional<long long> size_, longest_, words_, placedCount_, score_;
  int lineNumber_ = 0;
};

bool IsEmpty(const PuzzleFile::Entry& e) {
  return e == PuzzleFile::Entry{};
}

std::string BoardPicture(const PuzzleFile& file) {
  PuzzleState puzzle;
  ApplyPuzzleFile(file, puzzle);
  RebuildBoard(puzzle);
  std::string out = "# board:\n";
  for (int y = -1; y <= puzzle.BoardSize; ++y) {
    out += "#   ";
    for (int x = -1; x <= puzzle.BoardSize; ++x) {
      const char16_t cell = puzzle.Board(x, y);
      out += cell == kEmptyCell ? std::string("・") : Utf16ToUtf8(std::u16string(1, cell));
    }
    out += "\n";
  }
  return out;
}

}  // namespace

std::variant<PuzzleFile, TextError> ParsePuzzleText(const std::string& text) {
  return Parser().Parse(text);
}

std::string PrintPuzzleText(const PuzzleFile& file) {
  std::ostringstream out;
  out << "layout " << file.EntryCount() << "\n"
      << "size " << file.BoardSize << "\n"
      << "count-suffix " << Quoted(file.CountSuffix) << "\n"
      << "score-suffix " << Quoted(file.ScoreSuffix) << "\n"
      << "longest " << file.MaxWordLength << "\n"
      << "words " << file.WordCount << "\n"
      << "placed-count " << file.PlacedCount << "\n"
      << "score " << file.Score << "\n";
  int last = file.WordCount;
  for (int k = 1; k <= static_cast<int>(file.Entries.size()); ++k) {
    if (!IsEmpty(file.Entries[static_cast<std::size_t>(k - 1)])) last = std::max(last, k);
  }
  for (int k = 1; k <= last; ++k) {
    const PuzzleFile::Entry& e = file.Entries[static_cast<std::size_t>(k - 1)];
    out << "word " << Quoted(e.Text) << " " << e.Points;
    if (e.Placed == 1 && (e.Direction == 0 || e.Direction == 1)) {
      out << (e.Direction == 0 ? " across " : " down ") << e.Column << " " << e.Row;
    } else if (e.Placed != 0 || e.Column != 0 || e.Row != 0 || e.Direction != 0) {
      out << " fields " << e.Placed << " " << e.Column << " " << e.Row << " " << e.Direction;
    }
    out << "\n";
  }
  out << BoardPicture(file);
  return out.str();
}
